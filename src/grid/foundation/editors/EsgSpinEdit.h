#pragma once
#include "grid/foundation/editors/EsgSpinButton.h"
#include "grid/foundation/editors/SpinCharFilter.h"
#include "platform/rtl/DateUtils.h"
#include "platform/ui/MaskEdit.h"

// A one-line edit with spin buttons at its right edge, holding an integer, a real number,
// a date or a time. The value lives only in the text: every read parses it, every write
// formats it anew. Typing is filtered by kind; the arrow and page keys and the buttons
// step the value inside its limits (equal limits mean none).

enum TEditAlign { eaLeft, eaRight, eaCenter };

class TEsgSpinEdit : public TCustomMaskEdit {
public:
    explicit TEsgSpinEdit(TComponent* owner);
    ~TEsgSpinEdit() override;

    TEsgSpinButton* Button() const { return button_; }

    TEsgSpinType SpinType() const { return spinType_; }
    void SetSpinType(TEsgSpinType type);
    int Value() const;
    void SetValue(int value);
    int MinValue() const { return minValue_; }
    void SetMinValue(int value) { minValue_ = value; }
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int value) { maxValue_ = value; }
    int Increment() const { return increment_; }
    void SetIncrement(int value) { increment_ = value; }
    double FloatValue() const;
    void SetFloatValue(double value);
    double MinFloatValue() const { return minFloatValue_; }
    void SetMinFloatValue(double value) { minFloatValue_ = value; }
    double MaxFloatValue() const { return maxFloatValue_; }
    void SetMaxFloatValue(double value) { maxFloatValue_ = value; }
    double IncrementFloat() const { return incrementFloat_; }
    void SetIncrementFloat(double value) { incrementFloat_ = value; }
    double IncrementFloatPage() const { return incrementFloatPage_; }
    void SetIncrementFloatPage(double value) { incrementFloatPage_ = value; }
    int Precision() const { return precision_; }
    void SetPrecision(int precision);
    TDateTime DateValue() const;
    void SetDateValue(TDateTime value);
    TDateTime TimeValue() const;
    void SetTimeValue(TDateTime value);
    TDateTime MinDateValue() const { return minDateValue_; }
    void SetMinDateValue(TDateTime value) { minDateValue_ = value; }
    TDateTime MaxDateValue() const { return maxDateValue_; }
    void SetMaxDateValue(TDateTime value) { maxDateValue_ = value; }
    int IncrementHours() const { return incrementHours_; }
    void SetIncrementHours(int value) { incrementHours_ = value; }
    int IncrementMinutes() const { return incrementMinutes_; }
    void SetIncrementMinutes(int value) { incrementMinutes_ = value; }
    int IncrementSeconds() const { return incrementSeconds_; }
    void SetIncrementSeconds(int value) { incrementSeconds_ = value; }
    bool ShowSeconds() const { return showSeconds_; }
    void SetShowSeconds(bool show) { showSeconds_ = show; }
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool enabled) { editorEnabled_ = enabled; }
    bool ReturnIsTab() const { return returnIsTab_; }
    void SetReturnIsTab(bool value) { returnIsTab_ = value; }
    bool ExcelStyleDecimalSeparator() const { return excelStyleDecimalSeparator_; }
    void SetExcelStyleDecimalSeparator(bool value) { excelStyleDecimalSeparator_ = value; }
    // Read by the grid when it takes the text back.
    bool AllowEmptyValue() const { return allowEmptyValue_; }
    void SetAllowEmptyValue(bool value) { allowEmptyValue_ = value; }
    TSpinDirection Direction() const { return button_->Direction(); }
    void SetDirection(TSpinDirection direction);
    TEditAlign EditAlign() const { return editAlign_; }
    void SetEditAlign(TEditAlign align);
    bool SpinFlat() const { return spinFlat_; }
    void SetSpinFlat(bool flat);
    bool SpinTransparent() const { return spinTransparent_; }
    void SetSpinTransparent(bool transparent);
    void SetIsWinXP(bool value) { button_->SetIsWinXP(value); }

    void SetBounds(int left, int top, int width, int height) override;
    void WndProc(TMessage& message) override;

    virtual void StepUp(bool page);
    virtual void StepDown(bool page);
    virtual bool IsValidChar(char32_t& key);
    virtual void UpClick(TObject* sender);
    virtual void DownClick(TObject* sender);

protected:
    void Loaded() override;
    void CreateWnd() override;
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void WMChar(TMessage& message) override;
    void DoExit() override;

private:
    void Step(int sign, bool page);
    TDateTime StepDate(int sign) const;
    TDateTime StepTime(int sign) const;
    int ClampValue(int value) const;
    double ClampFloat(double value) const;
    TDateTime ClampDate(TDateTime value) const;
    void WriteDateTimeText(const std::string& text);
    int MinHeight() const;
    void LayoutButton();
    void NudgeWidth();

    TEsgSpinButton* button_ = nullptr;
    TEsgSpinType spinType_ = sptNormal;
    int minValue_ = 0, maxValue_ = 100, increment_ = 1;
    double minFloatValue_ = 0.0, maxFloatValue_ = 100.0, incrementFloat_ = 0.1, incrementFloatPage_ = 1.0;
    int precision_ = 0;
    TDateTime dateValue_ = 0, timeValue_ = 0, minDateValue_ = 0, maxDateValue_ = 0;
    int incrementHours_ = 1, incrementMinutes_ = 1, incrementSeconds_ = 1;
    bool showSeconds_ = true;
    bool editorEnabled_ = true;
    bool returnIsTab_ = false;
    bool excelStyleDecimalSeparator_ = false;
    bool allowEmptyValue_ = false;
    TEditAlign editAlign_ = eaLeft;
    bool spinFlat_ = false;
    bool spinTransparent_ = false;
};
