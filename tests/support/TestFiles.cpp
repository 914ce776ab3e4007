#include "TestFiles.h"

#include <QSettings>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Every test program, and every program a test starts, keeps the cut faces
// its runs cut in a cache folder of the build's, never in the user's: set
// before main, so that it holds for every test whatever the test runner's
// environment. A test that wants a cache of its own sets its own.
const bool g_testCache = [] { return ::setenv("XDG_CACHE_HOME", BINDWELL_TEST_CACHE_DIR, 1) == 0; }();

}  // namespace

TempFolder::TempFolder()
{
    std::string pattern = (fs::temp_directory_path() / "bindwell-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    // Read-only folders left by a test must not stop the clean-up.
    for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        if (it->is_directory(ec) && !it->is_symlink(ec))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

ScratchSettings::ScratchSettings()
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(folder_.path()));
    ::setenv("XDG_DATA_HOME", (folder_ / "data").c_str(), 1);
}

ScratchSettings::~ScratchSettings()
{
    ::unsetenv("XDG_DATA_HOME");
}

std::string ScratchSettings::trash() const
{
    return folder_ / "data/Trash";
}

std::string ScratchSettings::file() const
{
    return folder_.path() + "/Bindwell/Bindwell.ini";
}
