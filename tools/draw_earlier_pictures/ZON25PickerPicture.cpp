#include "PictureTool.h"
#include "SmallKeyboardArt.h"

// The 25-key keyboard from above, 645 x 134: the control panel in the upper
// strip and the back panel in the lower one, each control where the picker
// lays its widget.
namespace
{
using namespace SmallKeyboardArt;

struct Knob
{
    float x, y;
    const char* knobLabel;
    const char* envelopeLabel;
};

// The four knobs double as the envelope's A, D, S and R with Shift.
constexpr Knob kKnobs[] = {
    { 274, 25, "CUTOFF", "A" }, { 312, 24, "RESO", "D" }, { 353, 25, "CHORUS", "S" }, { 392, 24, "DELAY", "R" },
};

constexpr float kSnapshotX[] = { 441, 475, 508, 542 };

const juce::Colour kButtonGrey (0xff45484e);
const juce::Colour kEnvelopeInk (0xffe0a040);

void drawControlPanel (juce::Graphics& g)
{
    drawJoystick (g, { 64, 0, 24, 64 });
    drawLabel (g, "PITCH / MOD", { 52, 66, 48, 8 });

    drawLabel (g, "OCT / PRESET", { 134, 19, 65, 9 });
    drawButton (g, { 137, 30, 25, 14 }, kButtonGrey);
    drawButton (g, { 171, 30, 25, 14 }, kButtonGrey);
    drawLabel (g, "-", { 137, 45, 25, 9 }, 8.0f);
    drawLabel (g, "+", { 171, 45, 25, 9 }, 8.0f);

    drawLabel (g, "LEVEL / SEARCH", { 205, 13, 60, 9 });
    drawKnob (g, { 222, 25, 26, 24 }, 0.6f);

    drawLabel (g, "FILTER / EFFECTS / ENVELOPE", { 270, 8, 152, 9 }, 7.0f);
    for (size_t i = 0; i < std::size (kKnobs); ++i)
    {
        const auto& k = kKnobs[i];
        drawKnob (g, { k.x, k.y, 26, 24 }, -1.8f + 1.1f * (float) i);
        drawLabel (g, k.knobLabel, { k.x - 7, k.y + 26, 40, 8 });

        g.setColour (kEnvelopeInk);
        g.setFont (juce::Font (juce::Font::getDefaultSansSerifFontName(), 7.0f, juce::Font::bold));
        g.drawText (k.envelopeLabel, juce::Rectangle<float> (k.x - 7, k.y + 34, 40, 8), juce::Justification::centred, false);
    }

    drawLabel (g, "SNAPSHOT / SAVE", { 441, 19, 128, 9 });
    int number = 1;
    for (float x : kSnapshotX)
    {
        drawButton (g, { x + 1, 31, 25, 14 }, kButtonGrey);
        drawLabel (g, juce::String (number++), { x, 46, 27, 9 });
    }

    drawButton (g, { 582, 30, 24, 14 }, juce::Colour (0xffb8862f));
    drawLabel (g, "SHIFT", { 576, 45, 36, 9 });
}

void drawBackPanel (juce::Graphics& g)
{
    drawLabel (g, "TESMIRA", { 14, 98, 80, 8 }, 6.5f, juce::Justification::centredLeft);
    drawLabel (g, "ZON25", { 14, 106, 100, 18 }, 14.0f, juce::Justification::centredLeft);

    drawLabel (g, "SUSTAIN", { 350, 92, 35, 8 }, 5.5f);
    drawJack (g, { 358, 102, 19, 18 });
    drawLabel (g, "MIDI OUT", { 414, 92, 40, 8 }, 5.5f);
    drawMidiSocket (g, { 424, 101, 20, 20 });
    drawLabel (g, "USB", { 484, 92, 24, 8 }, 5.5f);
    drawUsbSocket (g, { 488, 104, 16, 14 });
    drawLabel (g, "DC IN", { 532, 92, 26, 8 }, 5.5f);
    drawJack (g, { 536, 103, 17, 16 });
    drawLabel (g, "POWER", { 580, 92, 26, 8 }, 5.5f);
    drawPowerSwitch (g, { 586, 101, 14, 19 });
}

juce::Image drawZON25PickerPicture()
{
    auto image = drawStrips (645, 134, 80.0f, 86.0f);
    juce::Graphics g (image);
    drawControlPanel (g);
    drawBackPanel (g);
    return image;
}
} // namespace

ORLUNE_PICTURE ("zon25_picker.png", drawZON25PickerPicture)
