#include <QApplication>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionHeader>

#include "platform/ui/QtGraphics.h"
#include "platform/ui/Themes.h"

bool ThemesEnabled() { return true; }

namespace {

void Prepare(QStyleOption& option, TThemedState state, const TRect& rect)
{
    option.rect = QRect(rect.Left, rect.Top, rect.Width(), rect.Height());
    option.palette = QApplication::palette();
    // The style takes its colours from the palette's current group, not from the state:
    // a disabled part is drawn in the disabled colours only when the group says so.
    if (state.Contains(tsDisabled)) option.palette.setCurrentColorGroup(QPalette::Disabled);
    option.state = state.Contains(tsDisabled) ? QStyle::State_None : QStyle::State_Enabled;
    if (state.Contains(tsHot)) option.state |= QStyle::State_MouseOver;
    if (state.Contains(tsPressed)) option.state |= QStyle::State_Sunken;
    if (state.Contains(tsFocused)) option.state |= QStyle::State_HasFocus;
    if (state.Contains(tsMixed))
        option.state |= QStyle::State_NoChange;
    else
        option.state |= state.Contains(tsChecked) ? QStyle::State_On : QStyle::State_Off;
}

}  // namespace

void DrawThemedPart(TCanvas* canvas, TThemedPart part, TThemedState state, const TRect& rect)
{
    if (rect.IsEmpty()) return;
    QPainter* p = BeginCanvasPainter(*canvas);
    if (!p) return;
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    QStyle* style = QApplication::style();
    switch (part) {
    case tpPushButton: {
        QStyleOptionButton option;
        Prepare(option, state, rect);
        if (!state.Contains(tsPressed)) option.state |= QStyle::State_Raised;
        style->drawControl(QStyle::CE_PushButtonBevel, &option, p);
        break;
    }
    case tpCheckBox:
    case tpRadioButton: {
        QStyleOptionButton option;
        Prepare(option, state, rect);
        style->drawPrimitive(part == tpCheckBox ? QStyle::PE_IndicatorCheckBox : QStyle::PE_IndicatorRadioButton,
                             &option, p);
        break;
    }
    case tpHeaderItem: {
        QStyleOptionHeader option;
        Prepare(option, state, rect);
        style->drawControl(QStyle::CE_HeaderSection, &option, p);
        break;
    }
    case tpComboButton: {
        QStyleOptionComboBox option;
        Prepare(option, state, rect);
        option.subControls = QStyle::SC_ComboBoxArrow;
        option.frame = false;
        style->drawComplexControl(QStyle::CC_ComboBox, &option, p);
        break;
    }
    }
}
