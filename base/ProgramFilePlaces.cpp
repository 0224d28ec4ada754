#include "base/ProgramFilePlaces.h"

#include "base/ProgramFiles.h"

namespace taviron {
namespace {

constexpr const char* kProgramDirectory = "taviron";
constexpr const char* kWindowsProgramDirectory = "TAVIRON";

// The user's base directory that the variable names, or the fall-back under the home.
std::filesystem::path UserDirectory(const std::string& variable, const std::string& home,
                                    const std::filesystem::path& underHome,
                                    const std::filesystem::path& otherwise) {
  std::filesystem::path chosen(variable);
  if (!variable.empty() && chosen.is_absolute()) return chosen / kProgramDirectory;
  std::filesystem::path homePath(home);
  if (!home.empty() && homePath.is_absolute()) return homePath / underHome / kProgramDirectory;
  return otherwise;
}

}  // namespace

ProgramFilePlaces PlaceProgramFiles(const ProgramFileFacts& facts) {
  const std::filesystem::path& beside = facts.executableDirectory;
  if (!facts.appData.empty()) {
    if (facts.layout == BuildLayout::kPortable && !facts.inSystemFolder && facts.besideWritable) {
      return {beside, beside, false};
    }
    const std::filesystem::path own = facts.appData / kWindowsProgramDirectory;
    return {own, own, true};
  }
  if (facts.layout == BuildLayout::kPortable || !facts.userDirectories || facts.settingsBeside) {
    return {beside, beside, false};
  }
  return {
      UserDirectory(facts.configHome, facts.home, ".config", beside),
      UserDirectory(facts.stateHome, facts.home, std::filesystem::path(".local") / "state", beside),
      true};
}

ProgramFilePlaces LocateProgramFiles(BuildLayout layout) {
  ProgramFileFacts facts = ProgramFileFactsOfThisSystem();
  facts.layout = layout;
  return PlaceProgramFiles(facts);
}

}  // namespace taviron
