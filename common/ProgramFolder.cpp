#include "ProgramFolder.h"

#include "PathText.h"

#include <filesystem>

std::string ProgramFolder()
{
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : PathText::AsFolder(self.parent_path().string());
}
