#include "PanelTestSupport.h"
#include "SpawnedApp.h"
#include "XDisplayProbe.h"

namespace
{
const juce::String windowTitle = "Tesmira Orlune 49-61 MIDI Control Center";

// timeoutMs is a plain build's bound; a sanitizer's build waits longer.
template <typename Condition>
bool waitFor (Condition condition, int timeoutMs)
{
    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) TimeBounds::scaledMs (timeoutMs);

    while (! condition())
    {
        if (juce::Time::getMillisecondCounter() > deadline)
            return false;

        juce::Thread::sleep (10);
    }

    return true;
}

/** The share of pixels in which any colour channel differs by more than a little. */
double differingShare (const juce::Image& a, const juce::Image& b)
{
    int differing = 0;

    for (int y = 0; y < a.getHeight(); ++y)
    {
        for (int x = 0; x < a.getWidth(); ++x)
        {
            const auto p = a.getPixelAt (x, y), q = b.getPixelAt (x, y);

            if (std::abs (p.getRed() - q.getRed()) > 40 || std::abs (p.getGreen() - q.getGreen()) > 40
                || std::abs (p.getBlue() - q.getBlue()) > 40)
                ++differing;
        }
    }

    return (double) differing / (double) (a.getWidth() * a.getHeight());
}

bool savePng (const juce::Image& image, const juce::String& name)
{
    const auto file = juce::File::getCurrentWorkingDirectory().getChildFile (name);
    file.deleteFile();
    juce::FileOutputStream out (file);
    return out.openedOk() && juce::PNGImageFormat().writeImageToStream (image, out);
}
} // namespace

// The application itself, started as the user starts it, looked at as a window manager sees it.
TEST (RealApplication, ShowsTheFixedWindowWithThePanelAndQuitsWhenClosed)
{
    XDisplayProbe x;
    ASSERT_TRUE (x.isOpen());
    x.createWindowManagerAtoms();

    SpawnedApp app (juce::File (ORLUNE_EDITOR_PATH),
                    juce::File::getCurrentWorkingDirectory().getChildFile ("orlune-editor-output.txt"));
    ASSERT_TRUE (app.started);

    unsigned long window = 0;
    ASSERT_TRUE (waitFor ([&] { return (window = x.findWindow (windowTitle)) != 0 || ! app.isRunning(); }, 30000));
    ASSERT_NE (window, 0u) << app.getOutput();

    // The window may be mapped before the framework has given it its size.
    XDisplayProbe::Facts facts;
    EXPECT_TRUE (waitFor ([&] { facts = x.describe (window); return facts.size == juce::Rectangle<int> (1024, 660); }, 10000));
    EXPECT_EQ (facts.size, juce::Rectangle<int> (1024, 660));
    EXPECT_EQ (facts.className, "Corvane - The Quillary MIDI Control Center");
    EXPECT_EQ (facts.allowedActions, juce::StringArray ({ "_NET_WM_ACTION_MINIMIZE", "_NET_WM_ACTION_CLOSE" }));

    // Functions: move 4, minimise 8, close 32; no resize 2 and no maximise 16.
    ASSERT_TRUE (facts.hasMotifHints);
    EXPECT_EQ (facts.motifFunctions, 4 | 8 | 32);
    EXPECT_NE (facts.motifDecorations & 0x20, 0);
    EXPECT_EQ (facts.motifDecorations & 0x40, 0);

    // Wait until the panel has been painted, then keep the picture.
    juce::Image screenshot;
    EXPECT_TRUE (waitFor ([&]
    {
        screenshot = x.capture (window);
        return screenshot.isValid() && screenshot.getPixelAt (2, 2).getARGB() == 0xfffcfcfc
            && screenshot.getPixelAt (500, 657).getARGB() == 0xffdbdbdb;
    }, 20000));
    EXPECT_TRUE (savePng (screenshot, "orlune-window.png"));

    // It shows a fresh panel drawn with the application's look: no keyboard, "Not detected yet".
    {
        ScopedApplicationLook look;
        NoPortsRig rig;
        EXPECT_LT (differingShare (screenshot, paintPanel (rig.panel).convertedToFormat (juce::Image::RGB)), 0.005);
    }

    x.requestClose (window);
    EXPECT_EQ (app.waitForExit (20000), 0) << app.getOutput();
    EXPECT_FALSE (app.getOutput().contains ("Leaked objects")) << app.getOutput();
}
