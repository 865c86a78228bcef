#include "OrlunePickerPicture.h"

#include "PanelArt.h"

namespace
{
using juce::Rectangle;
using R = Rectangle<float>;

struct Labelled
{
    float x, y, w, h;
    const char* label;
};

// Knobs and the Level knob: box, label under it.
constexpr Labelled kKnobs[] = {
    { 83, 67, 26, 24, "LEVEL" },
    { 344, 67, 24, 24, "CUTOFF" },   { 392, 67, 24, 24, "RESO" },
    { 439, 67, 24, 24, "LFO RATE" }, { 486, 67, 24, 24, "LFO AMT" },
    { 533, 67, 24, 24, "CHORUS" },
    { 344, 114, 24, 24, "PARAM 1" }, { 392, 114, 24, 24, "PARAM 2" },
    { 439, 114, 24, 24, "PARAM 3" }, { 486, 114, 24, 24, "PARAM 4" },
    { 534, 114, 24, 24, "DELAY" },
};

// Faders: box, label under it, cap position.
struct Fader
{
    float x, y, w, h;
    const char* label;
    float position;
};

constexpr Fader kFaders[] = {
    { 596, 63, 28, 81, "A", 0.15f }, { 637, 64, 28, 80, "D", 0.55f },
    { 677, 64, 28, 80, "S", 0.8f },  { 719, 64, 28, 80, "R", 0.35f },
    { 759, 64, 28, 80, "A", 0.1f },  { 800, 64, 28, 80, "D", 0.45f },
    { 840, 64, 28, 80, "S", 0.9f },  { 881, 64, 28, 80, "R", 0.3f },
    { 922, 64, 28, 80, "TEMPO", 0.5f },
};

constexpr float kSnapshotX[] = { 300, 333, 365, 398, 431, 463, 495, 528, 561, 593 };

enum class Symbol { rewind, forward, stop, play, record, loop };

struct Transport
{
    float x;
    Symbol symbol;
};

constexpr Transport kTransport[] = {
    { 764, Symbol::rewind }, { 798, Symbol::forward }, { 830, Symbol::stop },
    { 862, Symbol::play },   { 894, Symbol::record },  { 927, Symbol::loop },
};

struct Pad
{
    float x, y;
    int number;
};

constexpr Pad kPads[] = {
    { 702, 415, 1 },  { 755, 415, 2 },  { 809, 415, 3 },  { 863, 415, 4 },
    { 702, 370, 5 },  { 756, 370, 6 },  { 809, 369, 7 },  { 863, 370, 8 },
    { 702, 324, 9 },  { 755, 324, 10 }, { 810, 324, 11 }, { 863, 323, 12 },
    { 702, 278, 13 }, { 755, 278, 14 }, { 809, 278, 15 }, { 863, 279, 16 },
};

// Back-panel sockets: box, label above.
constexpr Labelled kJacks[] = {
    { 340, 365, 19, 18, "EXPRESSION" },
    { 387, 364, 19, 18, "SUSTAIN" },
    { 435, 364, 19, 18, "AUX" },
    { 470, 376, 11, 10, "BREATH" },
};

const juce::Colour kButtonGrey (0xff3c3f44);
const juce::Colour kBankLit (0xffd8892a);

R box (float x, float y, float w, float h) { return { x, y, w, h }; }

void drawBody (juce::Graphics& g)
{
    PanelArt::drawCase (g, box (40, 28, 944, 232), { 3.0f, 4.0f }, 14.0f);

    // Brushed strip along the front edge, above the keys.
    g.setColour (juce::Colour (0xff101113));
    g.fillRect (R (48, 204, 928, 2));

    PanelArt::drawLabel (g, "TESMIRA", box (52, 34, 80, 12), 10.0f, juce::Justification::centredLeft);
    g.setColour (juce::Colour (0xffe8eaed));
    g.setFont (PanelArt::labelFont (15.0f, true));
    g.drawText ("ORLUNE 49", box (826, 32, 140, 20), juce::Justification::centredRight, false);
}

void drawDisplay (juce::Graphics& g)
{
    const R bezel (132, 64, 150, 80);
    g.setColour (juce::Colour (0xff0b0c0d));
    g.fillRoundedRectangle (bezel, 4.0f);

    const auto screen = bezel.reduced (6.0f);
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff3d6f8f), 0.0f, screen.getY(),
                                             juce::Colour (0xff254b66), 0.0f, screen.getBottom(), false));
    g.fillRoundedRectangle (screen, 2.0f);

    g.setColour (juce::Colour (0xffd7ecf7));
    g.setFont (PanelArt::labelFont (11.0f, true));
    g.drawText ("SOUND 001", screen.reduced (6.0f, 4.0f).removeFromTop (16.0f), juce::Justification::centredLeft, false);
    g.setFont (PanelArt::labelFont (13.0f, true));
    g.drawText ("Grand Piano", screen.reduced (6.0f, 4.0f).withTrimmedTop (18.0f).removeFromTop (18.0f),
                juce::Justification::centredLeft, false);
    g.setFont (PanelArt::labelFont (9.0f));
    g.drawText ("CAT: KEYS", screen.reduced (6.0f, 4.0f).removeFromBottom (12.0f), juce::Justification::centredLeft, false);
}

void drawLeftSection (juce::Graphics& g)
{
    PanelArt::drawLabel (g, "CATEGORY", box (70, 108, 54, 10));
    PanelArt::drawEncoder (g, box (84, 120, 26, 25));
    PanelArt::drawLabel (g, "PRESET", box (69, 160, 54, 10));
    PanelArt::drawEncoder (g, box (83, 172, 26, 25));

    PanelArt::drawLabel (g, "SOUND", box (137, 166, 41, 10));
    PanelArt::drawLabel (g, "MULTI", box (179, 166, 41, 10));
    PanelArt::drawPanelButton (g, box (144, 177, 27, 14), kButtonGrey);
    PanelArt::drawPanelButton (g, box (186, 177, 27, 14), kButtonGrey);

    PanelArt::drawLabel (g, "BANK 1", box (290, 88, 42, 10));
    PanelArt::drawPanelButton (g, box (303, 72, 16, 14), kBankLit);
    PanelArt::drawLabel (g, "BANK 2", box (290, 135, 42, 10));
    PanelArt::drawPanelButton (g, box (303, 119, 16, 14), kButtonGrey);

    PanelArt::drawLabel (g, "SHIFT", box (256, 149, 36, 10), 7.5f, juce::Justification::centredRight);
    PanelArt::drawPanelButton (g, box (295, 150, 30, 8), kButtonGrey);
}

void drawKnobSection (juce::Graphics& g)
{
    for (size_t i = 0; i < std::size (kKnobs); ++i)
    {
        const auto& k = kKnobs[i];
        const auto b = box (k.x, k.y, k.w, k.h);
        // Pointers spread round the dial so the row does not look frozen.
        const float angle = -2.4f + 0.45f * (float) ((i * 7) % 11);
        PanelArt::drawKnob (g, b, angle);
        PanelArt::drawLabel (g, k.label, box (k.x - 12, k.y + k.h + 2, k.w + 24, 9));
    }
}

void drawFaderSection (juce::Graphics& g)
{
    for (const auto& f : kFaders)
    {
        PanelArt::drawFader (g, box (f.x, f.y, f.w, f.h), f.position);
        PanelArt::drawLabel (g, f.label, box (f.x - 6, f.y + f.h + 2, f.w + 12, 9));
    }

    // Group titles over the two envelopes, with a rule on either side.
    const auto group = [&g] (float x1, float x2, const char* title)
    {
        const float mid = (x1 + x2) * 0.5f;
        const float half = PanelArt::labelFont (7.5f, true).getStringWidthFloat (title) * 0.5f + 4.0f;
        g.setColour (PanelArt::labelColour().withAlpha (0.6f));
        g.drawLine (x1, 56.0f, mid - half, 56.0f, 0.8f);
        g.drawLine (mid + half, 56.0f, x2, 56.0f, 0.8f);
        PanelArt::drawLabel (g, title, box (mid - 40.0f, 51.0f, 80.0f, 10.0f));
    };
    group (598, 745, "FILTER ENV");
    group (761, 907, "AMP ENV");
}

void drawSnapshotRow (juce::Graphics& g)
{
    int number = 1;
    for (float x : kSnapshotX)
    {
        const float y = (number == 1 || number == 4 || number == 5 || number == 8 || number == 10) ? 179.0f : 180.0f;
        PanelArt::drawLabel (g, juce::String (number), box (x, 169, 21, 9));
        PanelArt::drawPanelButton (g, box (x, y, 21, 13), kButtonGrey);
        ++number;
    }
    PanelArt::drawLabel (g, "SNAPSHOTS", box (300, 195, 314, 8), 7.0f);
}

juce::Path transportSymbol (Symbol s, R b)
{
    juce::Path p;
    const auto c = b.getCentre();
    const float r = 3.5f;

    switch (s)
    {
        case Symbol::rewind:
            p.addTriangle (c.x - r, c.y, c.x, c.y - r, c.x, c.y + r);
            p.addTriangle (c.x, c.y, c.x + r, c.y - r, c.x + r, c.y + r);
            break;
        case Symbol::forward:
            p.addTriangle (c.x - r, c.y - r, c.x - r, c.y + r, c.x, c.y);
            p.addTriangle (c.x, c.y - r, c.x, c.y + r, c.x + r, c.y);
            break;
        case Symbol::stop:
            p.addRectangle (c.x - r * 0.8f, c.y - r * 0.8f, r * 1.6f, r * 1.6f);
            break;
        case Symbol::play:
            p.addTriangle (c.x - r, c.y - r, c.x - r, c.y + r, c.x + r * 0.3f, c.y);
            p.addRectangle (c.x + r * 0.5f, c.y - r, 1.2f, 2.0f * r);
            p.addRectangle (c.x + r * 0.5f + 2.2f, c.y - r, 1.2f, 2.0f * r);
            break;
        case Symbol::record:
            p.addEllipse (c.x - r * 0.85f, c.y - r * 0.85f, r * 1.7f, r * 1.7f);
            break;
        case Symbol::loop:
            // Filled here; drawTransport strokes the ring round it.
            p.addTriangle (c.x - 0.5f, c.y - r * 0.7f - 2.2f, c.x - 0.5f, c.y - r * 0.7f + 2.2f, c.x + 2.5f, c.y - r * 0.7f);
            break;
    }
    return p;
}

void drawTransport (juce::Graphics& g)
{
    PanelArt::drawLabel (g, "TRANSPORT", box (764, 167, 182, 9), 7.0f);

    for (const auto& t : kTransport)
    {
        const auto b = box (t.x, 178, 19, 14);
        PanelArt::drawPanelButton (g, b, kButtonGrey);

        g.setColour (t.symbol == Symbol::record ? juce::Colour (0xffe0433a) : PanelArt::labelColour());
        g.fillPath (transportSymbol (t.symbol, b));

        if (t.symbol == Symbol::loop)
            g.drawRoundedRectangle (R (9.0f, 5.0f).withCentre (b.getCentre()), 2.5f, 1.1f);
    }
}

void drawWheelSection (juce::Graphics& g)
{
    PanelArt::drawPanelArea (g, box (76, 298, 62, 122), 8.0f);
    PanelArt::drawWheel (g, box (93, 318, 28, 80), box (97, 324, 20, 68));
    PanelArt::drawLabel (g, "MOD", box (76, 402, 62, 10), 8.0f);
}

void drawBackPanel (juce::Graphics& g)
{
    PanelArt::drawPanelArea (g, box (231, 334, 417, 86), 6.0f);

    for (const auto& j : kJacks)
    {
        PanelArt::drawJack (g, box (j.x, j.y, j.w, j.h));
        PanelArt::drawLabel (g, j.label, box (j.x + j.w * 0.5f - 24, 350, 48, 9), 6.5f);
    }

    // The rest of the back panel, for orientation only.
    PanelArt::drawLabel (g, "PEDALS", box (330, 397, 134, 9), 6.5f);
    g.setColour (PanelArt::labelColour().withAlpha (0.5f));
    g.drawLine (338.0f, 394.0f, 456.0f, 394.0f, 0.7f);

    PanelArt::drawUsbPort (g, box (548, 364, 16, 15));
    PanelArt::drawLabel (g, "USB", box (536, 350, 40, 9), 6.5f);

    PanelArt::drawJack (g, box (590, 364, 16, 16));
    PanelArt::drawLabel (g, "DC 9V", box (578, 350, 40, 9), 6.5f);

    PanelArt::drawLabel (g, "TESMIRA ORLUNE 49", box (243, 400, 120, 10), 7.0f, juce::Justification::centredLeft);
}

void drawPadSection (juce::Graphics& g)
{
    PanelArt::drawPanelArea (g, box (690, 270, 222, 177), 8.0f); // clear of the caption below

    for (const auto& p : kPads)
        PanelArt::drawPad (g, box (p.x, p.y, 36, 29), p.number);
}
} // namespace

juce::Image drawOrlunePickerPicture()
{
    juce::Image image (juce::Image::ARGB, 1024, 485, true);
    juce::Graphics g (image);

    PanelArt::drawBackdrop (g, 485.0f);
    drawBody (g);
    PanelArt::drawKeys (g, 56.0f, 968.0f, 210.0f, 254.0f, 29); // 49 keys from C to C
    drawDisplay (g);
    drawLeftSection (g);
    drawKnobSection (g);
    drawFaderSection (g);
    drawSnapshotRow (g);
    drawTransport (g);
    drawWheelSection (g);
    drawBackPanel (g);
    drawPadSection (g);

    return image;
}
