// The folders are layers: a source file includes only headers of its own folder and of the folders
// below it, so that each layer builds and can be tested without the ones above.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// What each checked folder may include besides its own headers and system headers. tools, tests,
// bench and fuzz may use every folder and are not checked.
const std::map<std::string, std::set<std::string>> kAllowed = {
    {"framework", {}},
    {"graphics", {"framework"}},
    {"theme", {"framework", "graphics"}},
    {"themes", {"framework", "graphics", "theme"}},
    // The controls' sub-layers: core <- frame <- menus <- window, core <- widgets <- window.
    {"controls/core", {"framework", "graphics", "theme", "themes"}},
    {"controls/frame", {"framework", "graphics", "theme", "themes", "controls/core"}},
    {"controls/menus", {"framework", "graphics", "theme", "themes", "controls/core", "controls/frame"}},
    {"controls/widgets", {"framework", "graphics", "theme", "themes", "controls/core"}},
    {"controls/window",
     {"framework", "graphics", "theme", "themes", "controls/core", "controls/frame", "controls/menus", "controls/widgets"}},
    {"app",
     {"framework", "graphics", "theme", "themes", "controls/core", "controls/frame", "controls/menus", "controls/widgets",
      "controls/window", "cdrip", "coder"}},
    // The loaders see only the contract header of the library they load.
    {"coder", {"framework", "libs/lame_enc/LameEnc.h"}},
    {"cdrip", {"framework", "coder", "libs/cdrip/CDRip.h"}},
    {"libs/cdrip", {}},
    {"libs/lame_enc", {}},
};

fs::path SourceRoot()
{
    return fs::path(TRACKWELL_TEST_SOURCE_DIR).parent_path();
}

// The folders whose sub-folders are layers of their own.
const std::set<std::string> kLayeredFolders = {"libs", "controls"};

// The folder a quoted include names: "libs/x" or "controls/x" for the layered folders, else its first
// part. An include without a folder is a neighbour in the including file's folder.
std::string FolderOf(const std::string& include, const std::string& ownFolder)
{
    const auto slash = include.find('/');
    if (slash == std::string::npos)
        return ownFolder;
    const std::string first = include.substr(0, slash);
    if (!kLayeredFolders.contains(first))
        return first;
    const auto second = include.find('/', slash + 1);
    return second == std::string::npos ? include : include.substr(0, second);
}

bool Allowed(const std::string& folder, const std::string& include, const std::string& target)
{
    if (target == folder)
        return true;
    const std::set<std::string>& allowed = kAllowed.at(folder);
    return allowed.contains(target) || allowed.contains(include);
}

struct TViolation {
    std::string Where;  // file:line
    std::string Include;
};

std::vector<TViolation> Violations(const fs::path& root, const std::string& folder)
{
    static const std::regex kInclude(R"(^\s*#\s*include\s*"([^"]+)\")");
    std::vector<TViolation> found;
    const fs::path dir = root / folder;
    if (!fs::is_directory(dir))
        return found;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h" && ext != ".c"))
            continue;
        std::ifstream in(entry.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            std::smatch match;
            if (!std::regex_search(line, match, kInclude))
                continue;
            const std::string include = match[1];
            if (!Allowed(folder, include, FolderOf(include, folder)))
                found.push_back({fs::relative(entry.path(), root).string() + ":" + std::to_string(number), include});
        }
    }
    return found;
}

}  // namespace

TEST(Layering, NoFolderIncludesOneAboveIt)
{
    const fs::path root = SourceRoot();
    ASSERT_TRUE(fs::is_directory(root / "framework")) << root;
    for (const auto& [folder, allowed] : kAllowed)
        for (const TViolation& v : Violations(root, folder))
            ADD_FAILURE() << v.Where << ": " << folder << " includes \"" << v.Include << "\"";
}

// A source file directly in a layered folder, or a sub-folder without rules, belongs to no layer, so
// nothing would check it.
TEST(Layering, LayeredFoldersHoldSourcesOnlyInTheirLayers)
{
    const fs::path root = SourceRoot();
    for (const std::string& folder : kLayeredFolders)
        for (const fs::directory_entry& entry : fs::directory_iterator(root / folder)) {
            const std::string name = fs::relative(entry.path(), root).string();
            const std::string ext = entry.path().extension().string();
            if (entry.is_directory())
                EXPECT_TRUE(kAllowed.contains(name)) << name << " is a layer without rules";
            else
                EXPECT_FALSE(ext == ".cpp" || ext == ".h" || ext == ".c") << name << " lies outside the layers of " << folder;
        }
}

// The check itself: a planted include of each kind is caught, allowed ones are not.
TEST(Layering, TheRulesCatchIncludesFromAbove)
{
    struct Case {
        const char* Folder;
        const char* Include;
        bool Allowed;
    } const cases[] = {
        {"framework", "framework/Stream.h", true},
        {"framework", "graphics/Bitmap.h", false},
        {"graphics", "theme/Theme.h", false},
        {"theme", "graphics/Bitmap.h", true},
        {"themes", "controls/core/TeControl.h", false},
        {"controls/core", "themes/FlatTheme.h", true},
        {"controls/core", "controls/frame/TeForm.h", false},
        {"controls/core", "controls/widgets/TeButton.h", false},
        {"controls/frame", "controls/core/TeControl.h", true},
        {"controls/frame", "controls/menus/TeMenuBar.h", false},
        {"controls/frame", "controls/window/SystemMenu.h", false},
        {"controls/menus", "controls/frame/TeForm.h", true},
        {"controls/widgets", "controls/frame/TeForm.h", false},
        {"controls/window", "controls/widgets/TeButton.h", true},
        {"controls/window", "app/OutputFolder.h", false},
        {"app", "controls/window/TeMessageBox.h", true},
        {"coder", "cdrip/CDRIP.h", false},
        {"coder", "libs/lame_enc/LameEnc.h", true},
        {"coder", "libs/lame_enc/EncoderStream.h", false},
        {"cdrip", "coder/LameCoder.h", true},
        {"cdrip", "theme/Theme.h", false},
        {"libs/cdrip", "CueSheet.h", true},
        {"libs/cdrip", "framework/Stream.h", false},
        {"libs/lame_enc", "libs/cdrip/CDRip.h", false},
        {"app", "tests/support/AudioFiles.h", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Allowed(c.Folder, c.Include, FolderOf(c.Include, c.Folder)), c.Allowed)
            << c.Folder << " -> " << c.Include;
}
