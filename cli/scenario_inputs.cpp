#include "scenario_inputs.h"

#include <stdexcept>

#include "cli_errors.h"
#include "sim/scenario/scenario_parser.h"
#include "sim/scenario/settings_text.h"
#include "text_file.h"

namespace thornbrake::cli {

scenario::Scenario ReadScenario(const std::string& file) { return scenario::LoadScenario(file); }

SettingsChoice ChooseSettings(const scenario::Scenario& scenario, const std::string& commandLineFile) {
    const std::filesystem::path file =
        commandLineFile.empty() ? scenario.settingsFile : std::filesystem::path(commandLineFile);
    SettingsChoice choice;
    if (!file.empty()) {
        // Read here for the message; the overrides are applied to this text.
        const std::string text = ReadTextFile(file, "a settings file");
        choice.text = scenario::ApplyOverrides(text, scenario.overrides);
        choice.source = file.string();
    } else {
        choice.text = scenario::SettingsTextFor({}, scenario.overrides);
        choice.source = "no settings file";
    }
    if (!scenario.overrides.empty()) {
        choice.source += " with the scenario's overrides";
        for (std::size_t i = 0; i < scenario.overrides.size(); ++i) {
            choice.source += (i == 0 ? " " : ", ") + scenario.overrides[i].key + "=" +
                             std::to_string(scenario.overrides[i].value);
        }
    }
    return choice;
}

}  // namespace thornbrake::cli
