#include "EarlierPickerWidgets.h"

#include "CtrlPickerWidgets.h"
#include "QxNCtrlPickerButton.h"

namespace EarlierPickerWidgets
{
namespace
{
constexpr int kControlRadioGroup = 1;
}

juce::Button* addButtons (juce::Component& parent, juce::Button::Listener& listener,
                          const CtrlPickerWidgets::PickerRow* rows, size_t numRows,
                          std::vector<std::unique_ptr<juce::Button>>& widgets)
{
    juce::Button* shift = nullptr;

    for (size_t i = 0; i < numRows; ++i)
    {
        const auto& row = rows[i];
        auto widget = std::make_unique<QxNCtrlPickerButton> (juce::String());
        parent.addAndMakeVisible (*widget);
        CtrlPickerWidgets::setUp (*widget, listener, row.text, row.tooltip);

        // Shift is in no radio group: it toggles on its own, apart from the selection.
        if (row.kind == CtrlPickerWidgets::WidgetKind::shift)
            shift = widget.get();
        else
            widget->setRadioGroupId (kControlRadioGroup);

        widgets.push_back (std::move (widget));
    }

    return shift;
}
} // namespace EarlierPickerWidgets
