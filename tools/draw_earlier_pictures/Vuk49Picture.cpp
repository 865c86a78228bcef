// The picture of the earlier 49-key keyboard: its top panel and keys, with
// close-ups of the modulation wheel, the back-panel sockets and the drum pads
// below. Every control lies under the bounds of its picker button.

#include "PictureTool.h"
#include "PanelArt.h"

namespace
{
using R = juce::Rectangle<float>;

constexpr int kWidth = 1063;
constexpr int kHeight = 317;

struct Labelled
{
    float x, y, w, h;
    const char* label;
};

constexpr Labelled kKnobs[] = {
    { 572, 23, 26, 24, "CUTOFF" },  { 619, 23, 26, 24, "RESO" },    { 664, 23, 26, 24, "LFO RATE" },
    { 710, 23, 26, 24, "LFO AMT" }, { 757, 23, 26, 24, "CHORUS" },
    { 571, 74, 26, 24, "PARAM 1" }, { 618, 74, 26, 24, "PARAM 2" }, { 665, 74, 26, 24, "PARAM 3" },
    { 710, 74, 26, 24, "PARAM 4" }, { 758, 73, 26, 24, "DELAY" },
};

struct Fader
{
    float x, y;
    const char* label;
    float position;
};

constexpr float kFaderWidth = 16, kFaderHeight = 64;

constexpr Fader kFaders[] = {
    { 813, 27, "A", 0.2f },  { 843, 27, "D", 0.6f },  { 870, 27, "S", 0.85f }, { 898, 27, "R", 0.4f },
    { 925, 26, "A", 0.1f },  { 954, 26, "D", 0.5f },  { 982, 26, "S", 0.9f },  { 1009, 26, "R", 0.3f },
    { 1037, 26, "TEMPO", 0.5f },
};

// Small panel buttons, 27 x 14, with the label printed above each.
constexpr Labelled kButtons[] = {
    { 235, 28, 27, 14, "1" },  { 270, 28, 27, 14, "2" },  { 304, 28, 27, 14, "3" },
    { 337, 28, 27, 14, "4" },  { 372, 27, 27, 14, "5" },
    { 235, 79, 27, 14, "6" },  { 270, 79, 27, 14, "7" },  { 303, 79, 27, 14, "8" },
    { 336, 79, 27, 14, "9" },  { 370, 79, 27, 14, "10" },
    { 412, 28, 27, 14, "H1" }, { 445, 28, 27, 14, "H2" }, { 479, 28, 27, 14, "H3" },
    { 410, 79, 27, 14, "H4" }, { 445, 79, 27, 14, "H5" }, { 479, 79, 27, 14, "H6" },
    { 520, 28, 27, 14, "UPPER" }, { 519, 79, 27, 14, "LOWER" },
    { 18, 78, 27, 14, "SOUND" },  { 53, 78, 27, 14, "SCENE" },
};

// Back-panel sockets, labelled above. The breath socket's ring reaches beyond
// its small button, so that it shows round the dark dot the picker paints there.
constexpr Labelled kJacks[] = {
    { 283, 228, 19, 18, "EXPR" },
    { 331, 228, 19, 18, "SUSTAIN" },
    { 377, 228, 19, 18, "AUX" },
    { 405, 237, 17, 16, "BREATH" },
};

constexpr Labelled kPads[] = {
    { 750, 206, 48, 48, "1" }, { 823, 206, 48, 48, "2" },
    { 897, 206, 48, 48, "3" }, { 970, 205, 48, 48, "4" },
};

const juce::Colour kButtonGrey (0xff3c3f44);
const juce::Colour kLit (0xffd8892a);

R box (float x, float y, float w, float h) { return { x, y, w, h }; }

void drawBody (juce::Graphics& g)
{
    PanelArt::drawCase (g, box (4, 5, 1055, 187), { 2.0f, 3.0f }, 10.0f);

    // The strip between the controls and the keys.
    g.setColour (juce::Colour (0xff101113));
    g.fillRect (R (12, 112, 1039, 2));
}

void drawDisplay (juce::Graphics& g)
{
    const R bezel (92, 16, 128, 50);
    g.setColour (juce::Colour (0xff0b0c0d));
    g.fillRoundedRectangle (bezel, 4.0f);

    const auto screen = bezel.reduced (5.0f);
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff7d9a3c), 0.0f, screen.getY(),
                                             juce::Colour (0xff5a7528), 0.0f, screen.getBottom(), false));
    g.fillRoundedRectangle (screen, 2.0f);

    g.setColour (juce::Colour (0xff1c2410));
    g.setFont (PanelArt::labelFont (10.0f, true));
    g.drawText ("PRESET 001", screen.reduced (5.0f, 3.0f).removeFromTop (14.0f), juce::Justification::centredLeft, false);
    g.setFont (PanelArt::labelFont (12.0f, true));
    g.drawText ("Warm Strings", screen.reduced (5.0f, 3.0f).withTrimmedTop (16.0f), juce::Justification::centredLeft, false);
}

void drawLeftSection (juce::Graphics& g)
{
    PanelArt::drawKnob (g, box (20, 25, 26, 24), -2.2f);
    PanelArt::drawLabel (g, "LEVEL", box (13, 51, 40, 9));

    PanelArt::drawEncoder (g, box (139, 75, 26, 25));
    PanelArt::drawLabel (g, "CATEGORY", box (127, 101, 50, 9), 7.0f);
    PanelArt::drawEncoder (g, box (185, 75, 26, 25));
    PanelArt::drawLabel (g, "PRESET", box (173, 101, 50, 9), 7.0f);
}

void drawButtons (juce::Graphics& g)
{
    for (const auto& b : kButtons)
    {
        const bool lit = juce::String (b.label) == "UPPER" || juce::String (b.label) == "SOUND";
        PanelArt::drawLabel (g, b.label, box (b.x - 6, b.y - 10, b.w + 12, 9), 7.0f);
        PanelArt::drawPanelButton (g, box (b.x, b.y, b.w, b.h), lit ? kLit : kButtonGrey);
    }

    PanelArt::drawLabel (g, "SNAPSHOTS", box (235, 96, 162, 9), 7.0f);
    PanelArt::drawLabel (g, "HOST CONTROL", box (410, 96, 96, 9), 7.0f);
    PanelArt::drawLabel (g, "PANEL", box (515, 96, 36, 9), 7.0f);
}

void drawKnobSection (juce::Graphics& g)
{
    for (size_t i = 0; i < std::size (kKnobs); ++i)
    {
        const auto& k = kKnobs[i];
        // Pointers spread round the dial so the rows do not look frozen.
        const float angle = -2.3f + 0.5f * (float) ((i * 7) % 10);
        PanelArt::drawKnob (g, box (k.x, k.y, k.w, k.h), angle);
        PanelArt::drawLabel (g, k.label, box (k.x - 10, k.y + k.h + 2, k.w + 20, 9), 7.0f);
    }
}

void drawFaderSection (juce::Graphics& g)
{
    for (const auto& f : kFaders)
    {
        PanelArt::drawFader (g, box (f.x, f.y, kFaderWidth, kFaderHeight), f.position);
        PanelArt::drawLabel (g, f.label, box (f.x - 6, f.y + kFaderHeight + 2, kFaderWidth + 12, 9), 7.0f);
    }

    // Titles over the two envelopes, with a rule on either side.
    const auto group = [&g] (float x1, float x2, const char* title)
    {
        const float mid = (x1 + x2) * 0.5f;
        const float half = PanelArt::labelFont (7.0f, true).getStringWidthFloat (title) * 0.5f + 4.0f;
        g.setColour (PanelArt::labelColour().withAlpha (0.6f));
        g.drawLine (x1, 17.0f, mid - half, 17.0f, 0.8f);
        g.drawLine (mid + half, 17.0f, x2, 17.0f, 0.8f);
        PanelArt::drawLabel (g, title, box (mid - 40.0f, 12.0f, 80.0f, 10.0f), 7.0f);
    };
    group (813, 914, "ENVELOPE 1");
    group (925, 1025, "ENVELOPE 2");
}

void drawWheelSection (juce::Graphics& g)
{
    PanelArt::drawPanelArea (g, box (43, 198, 60, 110), 8.0f);
    PanelArt::drawWheel (g, box (59, 205, 28, 90), box (63, 210, 20, 80));
    PanelArt::drawLabel (g, "MOD", box (43, 296, 60, 10), 8.0f);
}

void drawBackPanel (juce::Graphics& g)
{
    PanelArt::drawPanelArea (g, box (151, 198, 454, 76), 6.0f);

    for (const auto& j : kJacks)
    {
        PanelArt::drawJack (g, box (j.x, j.y, j.w, j.h));
        PanelArt::drawLabel (g, j.label, box (j.x + j.w * 0.5f - 24, 214, 48, 9), 6.5f);
    }

    PanelArt::drawLabel (g, "PEDALS", box (279, 252, 121, 9), 6.5f);
    g.setColour (PanelArt::labelColour().withAlpha (0.5f));
    g.drawLine (283.0f, 250.0f, 396.0f, 250.0f, 0.7f);

    // The rest of the back panel, for orientation only.
    PanelArt::drawUsbPort (g, box (482, 230, 16, 15));
    PanelArt::drawLabel (g, "USB", box (470, 214, 40, 9), 6.5f);

    PanelArt::drawJack (g, box (530, 229, 17, 17));
    PanelArt::drawLabel (g, "DC 9V", box (518, 214, 40, 9), 6.5f);

    PanelArt::drawLabel (g, "THE QUILLARY 49", box (163, 258, 120, 10), 7.0f, juce::Justification::centredLeft);
}

void drawPadSection (juce::Graphics& g)
{
    PanelArt::drawPanelArea (g, box (729, 196, 305, 78), 8.0f);

    for (const auto& p : kPads)
        PanelArt::drawPad (g, box (p.x, p.y, p.w, p.h), juce::String (p.label).getIntValue());
}

juce::Image drawVuk49Picture()
{
    juce::Image image (juce::Image::ARGB, kWidth, kHeight, true);
    juce::Graphics g (image);

    PanelArt::drawBackdrop (g, (float) kHeight);
    drawBody (g);
    PanelArt::drawKeys (g, 60.0f, 1045.0f, 118.0f, 186.0f, 29); // 49 keys from C to C
    drawDisplay (g);
    drawLeftSection (g);
    drawButtons (g);
    drawKnobSection (g);
    drawFaderSection (g);
    drawWheelSection (g);
    drawBackPanel (g);
    drawPadSection (g);

    return image;
}
} // namespace

ORLUNE_PICTURE ("vuk49_picker.png", drawVuk49Picture)
