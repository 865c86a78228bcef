#pragma once

#include <juce_graphics/juce_graphics.h>

#include <functional>

// Small helpers for asserting on rendered pixels.
namespace ImageProbe
{
inline juce::Image blank (int w, int h)
{
    return juce::Image (juce::Image::ARGB, w, h, true);
}

/** The smallest rectangle holding every pixel that passes the test; empty if none. */
inline juce::Rectangle<int> boundsOf (const juce::Image& image, juce::Rectangle<int> area,
                                      const std::function<bool (juce::Colour)>& test)
{
    int x1 = area.getRight(), y1 = area.getBottom(), x2 = area.getX() - 1, y2 = area.getY() - 1;

    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            if (test (image.getPixelAt (x, y)))
            {
                x1 = juce::jmin (x1, x);
                y1 = juce::jmin (y1, y);
                x2 = juce::jmax (x2, x);
                y2 = juce::jmax (y2, y);
            }

    return x2 < x1 ? juce::Rectangle<int>() : juce::Rectangle<int>::leftTopRightBottom (x1, y1, x2 + 1, y2 + 1);
}

inline int count (const juce::Image& image, juce::Rectangle<int> area,
                  const std::function<bool (juce::Colour)>& test)
{
    int n = 0;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            n += test (image.getPixelAt (x, y)) ? 1 : 0;
    return n;
}

/** Rows holding at least one passing pixel, counted as separate bands. */
inline int bandsOf (const juce::Image& image, juce::Rectangle<int> area,
                    const std::function<bool (juce::Colour)>& test)
{
    int bands = 0;
    bool inBand = false;

    for (int y = area.getY(); y < area.getBottom(); ++y)
    {
        const bool hit = count (image, area.withY (y).withHeight (1), test) > 0;
        bands += (hit && ! inBand) ? 1 : 0;
        inBand = hit;
    }
    return bands;
}

inline bool near (juce::Colour a, juce::Colour b, int tolerance)
{
    return std::abs (a.getAlpha() - b.getAlpha()) <= tolerance
           && std::abs (a.getRed() - b.getRed()) <= tolerance
           && std::abs (a.getGreen() - b.getGreen()) <= tolerance
           && std::abs (a.getBlue() - b.getBlue()) <= tolerance;
}
} // namespace ImageProbe
