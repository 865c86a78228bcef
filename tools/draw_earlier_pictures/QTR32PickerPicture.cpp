#include "PictureTool.h"
#include "SmallKeyboardArt.h"

// The 32-key keyboard from above, 645 x 134: the control panel in the upper
// strip and the back panel in the lower one, each control where the picker
// lays its widget.
namespace
{
using namespace SmallKeyboardArt;

struct Labelled
{
    float x, y, w, h;
    const char* label;
};

constexpr Labelled kKnobs[] = {
    { 184, 21, 26, 24, "CUTOFF" }, { 218, 21, 26, 24, "RESO" },
    { 258, 21, 26, 24, "RATE" },   { 292, 21, 26, 24, "AMOUNT" },
    { 333, 21, 26, 24, "1" },      { 367, 21, 26, 24, "2" },
    { 399, 21, 26, 24, "3" },      { 433, 21, 26, 24, "4" },
    { 474, 21, 26, 24, "CHORUS" }, { 508, 21, 26, 24, "DELAY" },
};

// Group captions over the knobs and the sliders.
constexpr Labelled kGroups[] = {
    { 184, 7, 60, 9, "FILTER" },          { 258, 7, 60, 9, "LFO" },
    { 333, 7, 126, 9, "KEY PARAMETERS" }, { 474, 7, 60, 9, "FX MIX" },
    { 549, 5, 93, 9, "ENVELOPE" },
};

constexpr Labelled kSliders[] = {
    { 549, 17, 24, 72, "A" }, { 572, 17, 24, 72, "D" }, { 595, 17, 24, 72, "S" }, { 618, 17, 24, 72, "R" },
};

constexpr float kSliderPositions[] = { 0.2f, 0.6f, 0.85f, 0.35f };

constexpr float kSnapshotX[] = { 241, 268, 295, 323, 350, 378, 404, 432 };

const juce::Colour kButtonGrey (0xff45484e);

void drawControlPanel (juce::Graphics& g)
{
    drawWheel (g, { 22, 16, 20, 72 });
    drawWheel (g, { 49, 16, 20, 72 });
    drawLabel (g, "PITCH", { 14, 88, 36, 8 });
    drawLabel (g, "MOD", { 41, 88, 36, 8 });

    drawLabel (g, "LEVEL / SEARCH", { 102, 7, 60, 9 });
    drawKnob (g, { 119, 21, 26, 24 }, 0.6f);

    for (size_t i = 0; i < std::size (kKnobs); ++i)
    {
        const auto& k = kKnobs[i];
        drawKnob (g, { k.x, k.y, k.w, k.h }, -2.2f + 0.5f * (float) ((i * 7) % 9));
        drawLabel (g, k.label, { k.x - 6, k.y + k.h + 2, k.w + 12, 8 });
    }

    for (const auto& c : kGroups)
        drawLabel (g, c.label, { c.x, c.y, c.w, c.h }, 7.0f);

    for (size_t i = 0; i < std::size (kSliders); ++i)
    {
        const auto& s = kSliders[i];
        drawFader (g, { s.x, s.y, s.w, s.h }, kSliderPositions[i]);
        drawLabel (g, s.label, { s.x, s.y + s.h, s.w, 8 });
    }

    drawLabel (g, "OCT / PRESET", { 102, 58, 59, 9 });
    drawButton (g, { 105, 68, 25, 14 }, kButtonGrey);
    drawButton (g, { 133, 68, 25, 14 }, kButtonGrey);
    drawLabel (g, "-", { 105, 83, 25, 9 }, 8.0f);
    drawLabel (g, "+", { 133, 83, 25, 9 }, 8.0f);

    drawButton (g, { 188, 68, 24, 14 }, juce::Colour (0xffb8862f));
    drawLabel (g, "SHIFT", { 182, 83, 36, 9 });

    drawLabel (g, "SNAPSHOT / SAVE", { 241, 58, 218, 9 });
    int number = 1;
    for (float x : kSnapshotX)
    {
        drawButton (g, { x + 1, 68, 25, 14 }, kButtonGrey);
        drawLabel (g, juce::String (number++), { x, 83, 27, 9 });
    }
}

void drawBackPanel (juce::Graphics& g)
{
    drawLabel (g, "TESMIRA", { 14, 104, 80, 8 }, 6.5f, juce::Justification::centredLeft);
    drawLabel (g, "QTR32", { 14, 112, 100, 16 }, 14.0f, juce::Justification::centredLeft);

    drawLabel (g, "MIDI OUT", { 290, 101, 40, 8 }, 5.5f);
    drawMidiSocket (g, { 300, 110, 20, 20 });
    drawLabel (g, "EXPRESSION", { 354, 102, 41, 8 }, 5.5f);
    drawJack (g, { 365, 111, 19, 18 });
    drawLabel (g, "SUSTAIN", { 396, 102, 33, 8 }, 5.5f);
    drawJack (g, { 403, 111, 19, 18 });
    drawLabel (g, "USB", { 466, 102, 24, 8 }, 5.5f);
    drawUsbSocket (g, { 470, 112, 16, 14 });
    drawLabel (g, "DC IN", { 516, 102, 26, 8 }, 5.5f);
    drawJack (g, { 520, 112, 17, 16 });
    drawLabel (g, "POWER", { 564, 102, 26, 8 }, 5.5f);
    drawPowerSwitch (g, { 570, 110, 14, 19 });
}

juce::Image drawQTR32PickerPicture()
{
    auto image = drawStrips (645, 134, 97.0f, 100.0f);
    juce::Graphics g (image);
    drawControlPanel (g);
    drawBackPanel (g);
    return image;
}
} // namespace

ORLUNE_PICTURE ("qtr32_picker.png", drawQTR32PickerPicture)
