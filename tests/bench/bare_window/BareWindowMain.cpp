#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The least the application's start does: one document window, centred and shown.
namespace
{
class BareWindow final : public juce::DocumentWindow
{
public:
    BareWindow()
        : juce::DocumentWindow ("Bare Window", juce::Colours::azure,
                                juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton, true)
    {
        setUsingNativeTitleBar (true);
    }

    void closeButtonPressed() override { juce::JUCEApplication::getInstance()->systemRequestedQuit(); }
};

class BareWindowApp final : public juce::JUCEApplication
{
public:
    const juce::String getApplicationName() override { return "Bare Window"; }
    const juce::String getApplicationVersion() override { return "1.0"; }
    bool moreThanOneInstanceAllowed() override { return true; }

    void initialise (const juce::String&) override
    {
        window = std::make_unique<BareWindow>();
        window->centreWithSize (1024, 660);
        window->setVisible (true);
    }

    void shutdown() override { window = nullptr; }

private:
    std::unique_ptr<BareWindow> window;
};
} // namespace

START_JUCE_APPLICATION (BareWindowApp)
