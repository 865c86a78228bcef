#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

// Tests that open windows run inside a standalone JUCEApplication: only then
// does the framework install its X error handlers, without which a window
// opened under a bare virtual X server can be killed by the default handler.
namespace
{
class TestApplication final : public juce::JUCEApplication
{
public:
    const juce::String getApplicationName() override { return "Orlune tests"; }
    const juce::String getApplicationVersion() override { return "1.0"; }
    bool moreThanOneInstanceAllowed() override { return true; }

    void initialise (const juce::String&) override
    {
        // Not from inside a message callback: on Linux a modal loop nested in
        // one (a progress window, a message box) leaves the framework's run
        // loop believing that callback dispatched nothing, and it then waits
        // for an event that never comes instead of seeing the quit message.
        // Modal loops, timers and asynchronous updates run from here as well.
        setApplicationReturnValue (RUN_ALL_TESTS());
        quit();
    }

    void shutdown() override {}
};

juce::JUCEApplicationBase* createTestApplication() { return new TestApplication(); }

// Without a display (as in CI), the binary runs itself again under a virtual X server.
void reexecUnderVirtualDisplay (const std::vector<char*>& originalArgs)
{
    if (std::getenv ("DISPLAY") != nullptr || std::getenv ("ORLUNE_UNDER_XVFB") != nullptr)
        return;

    ::setenv ("ORLUNE_UNDER_XVFB", "1", 1);

    // xvfb-run -a takes the first free display from its start number; test
    // binaries started together by CTest would race for the same one, so each
    // starts its search at a number of its own.
    auto firstDisplay = std::to_string (100 + (int) (::getpid() % 20000));

    std::vector<char*> args { const_cast<char*> ("xvfb-run"), const_cast<char*> ("-a"),
                              const_cast<char*> ("-n"), firstDisplay.data(),
                              const_cast<char*> ("-s"), const_cast<char*> ("-screen 0 1280x1024x24") };

    args.insert (args.end(), originalArgs.begin(), originalArgs.end());

    args.push_back (nullptr);
    ::execvp ("xvfb-run", args.data());
}
} // namespace

int main (int argc, char** argv)
{
    const std::vector<char*> originalArgs (argv, argv + argc); // before gtest takes its flags out
    testing::InitGoogleTest (&argc, argv);

    // Listing the tests needs no display and no application.
    if (testing::GTEST_FLAG (list_tests))
        return RUN_ALL_TESTS();

    reexecUnderVirtualDisplay (originalArgs);

    juce::JUCEApplicationBase::createInstance = &createTestApplication;
    return juce::JUCEApplicationBase::main (argc, (const char**) argv);
}
