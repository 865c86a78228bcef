#include "SpawnedApp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

// The application started where no X display can be reached: over ssh, in a console, in a container.
namespace
{
const juce::String noDisplaySentence =
    "The Orlune editor needs a graphical desktop and could not reach an X display: "
    "set DISPLAY to a running X server (for example DISPLAY=:0), or start the editor under xvfb-run.";

/** Whether an X server listens on display :number, by its socket path or its abstract socket. */
bool hasXServer (int number)
{
    const auto socket = "/tmp/.X11-unix/X" + juce::String (number);

    if (juce::File (socket).exists())
        return true;

    juce::StringArray lines;
    lines.addLines (juce::File ("/proc/net/unix").loadFileAsString());
    return std::any_of (lines.begin(), lines.end(), [&] (const juce::String& line) { return line.endsWith (socket); });
}

std::vector<std::string> environmentWithDisplay (const std::optional<std::string>& display)
{
    auto environment = SpawnedApp::currentEnvironment();
    environment.erase (std::remove_if (environment.begin(), environment.end(),
                                       [] (const std::string& entry) { return entry.rfind ("DISPLAY=", 0) == 0; }),
                       environment.end());

    if (display.has_value())
        environment.push_back ("DISPLAY=" + *display);

    return environment;
}

struct NoDisplayCase
{
    const char* name;
    std::optional<std::string> display;
};

void expectTheSentenceAndStatusOne (const NoDisplayCase& row)
{
    SCOPED_TRACE (row.name);

    // CTest runs the tests of this binary side by side, so each case writes files of its own.
    const auto folder = juce::File::getCurrentWorkingDirectory();
    const auto stem = juce::String (row.name).replaceCharacter (' ', '-') + "-";

    SpawnedApp app (juce::File (ORLUNE_EDITOR_PATH), folder.getChildFile (stem + "output.txt"),
                    environmentWithDisplay (row.display), folder.getChildFile (stem + "errors.txt"));
    ASSERT_TRUE (app.started);

    EXPECT_EQ (app.waitForExit (30000), 1);

    // A Debug build's framework announces its version first; nothing else may come but the sentence.
    juce::StringArray errorLines;
    for (const auto& line : juce::StringArray::fromLines (app.getErrors().trimEnd()))
        if (line != juce::SystemStats::getJUCEVersion())
            errorLines.add (line);

    EXPECT_EQ (errorLines.joinIntoString ("\n"), noDisplaySentence) << app.getErrors();
    EXPECT_EQ (app.getOutput(), "");
}
} // namespace

TEST (NoDisplay, UnreachableDisplayGivesOneSentenceAndStatusOne)
{
    int number = 30000;
    while (hasXServer (number))
        ++number;

    expectTheSentenceAndStatusOne ({ "DISPLAY names a display with no server", ":" + std::to_string (number) });
}

TEST (NoDisplay, MissingDisplayGivesOneSentenceAndStatusOne)
{
    // Unset or empty, the framework falls back to display :0.
    if (hasXServer (0))
        GTEST_SKIP() << "an X server runs on display :0 here, which the editor rightly uses";

    const NoDisplayCase rows[] { { "DISPLAY unset", std::nullopt }, { "DISPLAY empty", "" } };

    for (const auto& row : rows)
        expectTheSentenceAndStatusOne (row);
}
