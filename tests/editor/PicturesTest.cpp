#include "ImageProbe.h"
#include "OrlunePictures.h"
#include "VT49CtrlPickerComponent.h"

#include <gtest/gtest.h>

namespace
{
struct PictureCase
{
    const char* name;
    const char* data;
    int size;
    int width, height;
};

void PrintTo (const PictureCase& c, std::ostream* os) { *os << c.name; }

// Built on first use: the pointers are only valid once static initialisation is over.
std::vector<PictureCase> pictures()
{
    return {
        { "orlune49_picker", VT49CtrlPickerComponent::orlune49_picker_png, VT49CtrlPickerComponent::orlune49_picker_pngSize, 1024, 485 },
        { "defaultBtn_hover", OrlunePictures::defaultBtn_hover_png, OrlunePictures::defaultBtn_hover_pngSize, 101, 29 },
        { "defaultBtn_push", OrlunePictures::defaultBtn_push_png, OrlunePictures::defaultBtn_push_pngSize, 101, 29 },
        { "sendBtn_inactive", OrlunePictures::sendBtn_inactive_png, OrlunePictures::sendBtn_inactive_pngSize, 117, 29 },
        { "sendBtn_hover", OrlunePictures::sendBtn_hover_png, OrlunePictures::sendBtn_hover_pngSize, 117, 29 },
        { "sendBtn_push", OrlunePictures::sendBtn_push_png, OrlunePictures::sendBtn_push_pngSize, 117, 29 },
    };
}

class EmbeddedPicture : public ::testing::TestWithParam<PictureCase> {};

juce::Image decode (const char* data, int size)
{
    return juce::ImageCache::getFromMemory (data, size);
}

float meanBrightness (const juce::Image& image, juce::Rectangle<int> area)
{
    float sum = 0.0f;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            sum += image.getPixelAt (x, y).getBrightness();
    return sum / (float) (area.getWidth() * area.getHeight());
}
} // namespace

TEST_P (EmbeddedPicture, isAnEightBitRgbaPngOfItsSize)
{
    const auto& c = GetParam();
    ASSERT_NE (c.data, nullptr);
    ASSERT_GT (c.size, 33);

    // PNG signature, then the IHDR chunk: bit depth 8, colour type 6 (RGBA).
    const auto* bytes = reinterpret_cast<const unsigned char*> (c.data);
    EXPECT_EQ (juce::String::fromUTF8 (c.data + 1, 3), "PNG");
    EXPECT_EQ (bytes[24], 8);
    EXPECT_EQ (bytes[25], 6);

    const auto image = decode (c.data, c.size);
    EXPECT_EQ (image.getWidth(), c.width);
    EXPECT_EQ (image.getHeight(), c.height);
    EXPECT_TRUE (image.hasAlphaChannel());
}

INSTANTIATE_TEST_SUITE_P (Resources, EmbeddedPicture, ::testing::ValuesIn (pictures()),
                          [] (const auto& testCase) { return std::string (testCase.param.name); });

TEST (ButtonPictures, areRoundedFacesWithALightCaption)
{
    for (const auto& c : pictures())
    {
        if (c.width > 200)
            continue;

        const auto image = decode (c.data, c.size);
        EXPECT_EQ (image.getPixelAt (0, 0).getAlpha(), 0) << c.name; // rounded corner
        EXPECT_EQ (image.getPixelAt (c.width / 2, 3).getAlpha(), 255) << c.name;

        const auto caption = ImageProbe::count (image, image.getBounds().reduced (4),
                                                [] (juce::Colour p) { return p.getBrightness() > 0.85f; });
        EXPECT_GT (caption, 60) << c.name;
    }
}

TEST (ButtonPictures, restingFacesAreDarkerThanHoverAndPushFaces)
{
    const auto face = [] (const char* data, int size)
    {
        // A strip above the caption.
        return meanBrightness (decode (data, size), { 10, 3, 20, 3 });
    };

    const float defaultRest = face (OrlunePictures::defaultBtn_hover_png, OrlunePictures::defaultBtn_hover_pngSize);
    const float defaultPush = face (OrlunePictures::defaultBtn_push_png, OrlunePictures::defaultBtn_push_pngSize);
    const float sendRest = face (OrlunePictures::sendBtn_inactive_png, OrlunePictures::sendBtn_inactive_pngSize);
    const float sendHover = face (OrlunePictures::sendBtn_hover_png, OrlunePictures::sendBtn_hover_pngSize);
    const float sendPush = face (OrlunePictures::sendBtn_push_png, OrlunePictures::sendBtn_push_pngSize);

    EXPECT_LT (defaultRest + 0.05f, defaultPush);
    EXPECT_LT (sendRest + 0.05f, sendHover);
    EXPECT_NEAR (sendHover, sendPush, 0.01f);
    EXPECT_LT (defaultRest, 0.45f); // dark grey
}
