// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace qv::test {

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "quantova-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary directory");
    path_ = pattern + "/";
}

TempDir::~TempDir()
{
    std::error_code ec;
    // Make read-only directories left by a test removable again.
    for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

Bytes ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadFileText(const std::string& path)
{
    const Bytes b = ReadFileBytes(path);
    return std::string(b.begin(), b.end());
}

void WriteFileText(const std::string& path, const std::string& text)
{
    WriteFileBytes(path, Bytes(text.begin(), text.end()));
}

Bytes HexBytes(const std::string& hex)
{
    Bytes out;
    std::istringstream in(hex);
    std::string token;
    while (in >> token) out.push_back(static_cast<std::uint8_t>(std::stoul(token, nullptr, 16)));
    return out;
}

}  // namespace qv::test
