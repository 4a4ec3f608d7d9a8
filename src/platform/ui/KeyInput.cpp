#include "platform/rtl/Utf8.h"
#include "platform/ui/Input.h"
#include "platform/ui/QtControls.h"

namespace {

struct TKeyPair {
    int qt;
    Word vk;
};

// Keys whose virtual code is not their Qt code; shifted symbols give the key that types
// them on a US keyboard.
constexpr TKeyPair KeyTable[] = {
    {Qt::Key_Backspace, VK_BACK},     {Qt::Key_Tab, VK_TAB},           {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},      {Qt::Key_Enter, VK_RETURN},      {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL},    {Qt::Key_Alt, VK_MENU},          {Qt::Key_AltGr, VK_MENU},
    {Qt::Key_Pause, VK_PAUSE},        {Qt::Key_CapsLock, VK_CAPITAL},  {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},        {Qt::Key_PageUp, VK_PRIOR},      {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},            {Qt::Key_Home, VK_HOME},         {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},              {Qt::Key_Right, VK_RIGHT},       {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Select, VK_SELECT},      {Qt::Key_Print, VK_SNAPSHOT},    {Qt::Key_Execute, VK_EXECUTE},
    {Qt::Key_Insert, VK_INSERT},      {Qt::Key_Delete, VK_DELETE},     {Qt::Key_Help, VK_HELP},
    {Qt::Key_Super_L, VK_LWIN},       {Qt::Key_Super_R, VK_RWIN},      {Qt::Key_Menu, VK_APPS},
    {Qt::Key_NumLock, VK_NUMLOCK},    {Qt::Key_ScrollLock, VK_SCROLL}, {Qt::Key_Clear, VK_CLEAR},
    {Qt::Key_Semicolon, VK_OEM_1},    {Qt::Key_Colon, VK_OEM_1},       {Qt::Key_Equal, VK_OEM_PLUS},
    {Qt::Key_Plus, VK_OEM_PLUS},      {Qt::Key_Comma, VK_OEM_COMMA},   {Qt::Key_Less, VK_OEM_COMMA},
    {Qt::Key_Minus, VK_OEM_MINUS},    {Qt::Key_Underscore, VK_OEM_MINUS}, {Qt::Key_Period, VK_OEM_PERIOD},
    {Qt::Key_Greater, VK_OEM_PERIOD}, {Qt::Key_Slash, VK_OEM_2},       {Qt::Key_Question, VK_OEM_2},
    {Qt::Key_QuoteLeft, VK_OEM_3},    {Qt::Key_AsciiTilde, VK_OEM_3},  {Qt::Key_BracketLeft, VK_OEM_4},
    {Qt::Key_BraceLeft, VK_OEM_4},    {Qt::Key_Backslash, VK_OEM_5},   {Qt::Key_Bar, VK_OEM_5},
    {Qt::Key_BracketRight, VK_OEM_6}, {Qt::Key_BraceRight, VK_OEM_6},  {Qt::Key_Apostrophe, VK_OEM_7},
    {Qt::Key_QuoteDbl, VK_OEM_7},     {Qt::Key_Exclam, '1'},           {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},        {Qt::Key_Dollar, '4'},           {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},       {Qt::Key_Ampersand, '7'},        {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},         {Qt::Key_ParenRight, '0'},
};

// Keys of the numeric keypad.
constexpr TKeyPair KeypadTable[] = {
    {Qt::Key_Asterisk, VK_MULTIPLY}, {Qt::Key_Plus, VK_ADD},   {Qt::Key_Minus, VK_SUBTRACT},
    {Qt::Key_Period, VK_DECIMAL},    {Qt::Key_Comma, VK_DECIMAL}, {Qt::Key_Slash, VK_DIVIDE},
};

}  // namespace

// The character a key types on a US keyboard, 0 for none.
char32_t CharOfKey(Word key, TShiftState shift)
{
    if (shift.Contains(ssCtrl)) {
        if (key == VK_RETURN) return 10;  // Ctrl+Enter types a line feed
        return key >= 'A' && key <= 'Z' ? key - 'A' + 1 : 0;
    }
    // With Alt the key still types its character (as WM_SYSCHAR).
    shift -= ssAlt;
    switch (key) {
    case VK_BACK: return 8;
    case VK_TAB: return 9;
    case VK_RETURN: return 13;
    case VK_ESCAPE: return 27;
    case VK_SPACE: return ' ';
    case VK_OEM_PERIOD: return shift.Contains(ssShift) ? '>' : '.';
    case VK_OEM_COMMA: return shift.Contains(ssShift) ? '<' : ',';
    case VK_OEM_MINUS: return shift.Contains(ssShift) ? '_' : '-';
    case VK_DECIMAL: return '.';
    default: break;
    }
    if (key >= 'A' && key <= 'Z') return shift.Contains(ssShift) ? key : key - 'A' + 'a';
    if (key >= '0' && key <= '9' && !shift.Contains(ssShift)) return key;
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return key - VK_NUMPAD0 + '0';
    return 0;
}

// The key that types a character on a US keyboard.
Word KeyOfChar(char32_t ch, TShiftState& shift)
{
    if (ch >= 'a' && ch <= 'z') return static_cast<Word>(ch - 'a' + 'A');
    if (ch >= 'A' && ch <= 'Z') {
        shift += ssShift;
        return static_cast<Word>(ch);
    }
    if (ch >= '0' && ch <= '9') return static_cast<Word>(ch);
    switch (ch) {
    case 8: return VK_BACK;
    case 9: return VK_TAB;
    case 13: return VK_RETURN;
    case 27: return VK_ESCAPE;
    case ' ': return VK_SPACE;
    case '.': return VK_OEM_PERIOD;
    case ',': return VK_OEM_COMMA;
    case '-': return VK_OEM_MINUS;
    default: return VK_PACKET;
    }
}

Word VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::KeypadModifier) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return static_cast<Word>(VK_NUMPAD0 + (qtKey - Qt::Key_0));
        for (const TKeyPair& k : KeypadTable)
            if (k.qt == qtKey) return k.vk;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return static_cast<Word>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return static_cast<Word>(VK_F1 + (qtKey - Qt::Key_F1));
    for (const TKeyPair& k : KeyTable)
        if (k.qt == qtKey) return k.vk;
    return VK_PACKET;
}

int QtKeyOf(Word vk)
{
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return vk;
    if (vk >= VK_F1 && vk <= VK_F12) return Qt::Key_F1 + (vk - VK_F1);
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return Qt::Key_0 + (vk - VK_NUMPAD0);
    for (const TKeyPair& k : KeypadTable)
        if (k.vk == vk) return k.qt;
    for (const TKeyPair& k : KeyTable)
        if (k.vk == vk) return k.qt;
    return Qt::Key_unknown;
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState shift;
    if (modifiers & Qt::ShiftModifier) shift += ssShift;
    if (modifiers & Qt::ControlModifier) shift += ssCtrl;
    if (modifiers & Qt::AltModifier) shift += ssAlt;
    if (buttons & Qt::LeftButton) shift += ssLeft;
    if (buttons & Qt::RightButton) shift += ssRight;
    if (buttons & Qt::MiddleButton) shift += ssMiddle;
    return shift;
}

Qt::KeyboardModifiers QtModifiersOf(TShiftState shift)
{
    Qt::KeyboardModifiers m;
    if (shift.Contains(ssShift)) m |= Qt::ShiftModifier;
    if (shift.Contains(ssCtrl)) m |= Qt::ControlModifier;
    if (shift.Contains(ssAlt)) m |= Qt::AltModifier;
    return m;
}

Qt::MouseButtons QtButtonsOf(TShiftState shift)
{
    Qt::MouseButtons buttons;
    if (shift.Contains(ssLeft)) buttons |= Qt::LeftButton;
    if (shift.Contains(ssRight)) buttons |= Qt::RightButton;
    if (shift.Contains(ssMiddle)) buttons |= Qt::MiddleButton;
    return buttons;
}

Qt::MouseButton QtButtonOf(TMouseButton button)
{
    return button == mbRight ? Qt::RightButton : button == mbMiddle ? Qt::MiddleButton : Qt::LeftButton;
}

static bool IsSystemKey(TShiftState shift) { return shift.Contains(ssAlt) && !shift.Contains(ssCtrl); }

// Each character first as CN_CHAR, where the form may take it, then as WM_CHAR.
static void DeliverChars(TWinControl* target, TShiftState shift, const std::u32string& chars)
{
    TWeakRef<TWinControl> ref(target);
    const LPARAM keyData = ShiftStateToKeyData(shift);
    const UINT charMsg = IsSystemKey(shift) ? WM_SYSCHAR : WM_CHAR;
    for (char32_t ch : chars) {
        if (!ref) return;
        if (target->Perform(CN_BASE + charMsg, ch, keyData) != 0) continue;
        if (ref) target->Perform(charMsg, ch, keyData);
    }
}

void DeliverKeyDown(TWinControl* target, Word key, TShiftState shift, const std::u32string& chars)
{
    TWeakRef<TWinControl> ref(target);
    const LPARAM keyData = ShiftStateToKeyData(shift);
    const UINT down = IsSystemKey(shift) ? WM_SYSKEYDOWN : WM_KEYDOWN;
    if (target->Perform(CN_BASE + down, key, keyData) != 0) return;
    if (!ref) return;
    target->Perform(down, key, keyData);
    if (ref) DeliverChars(target, shift, chars);
}

void DeliverKeyUp(TWinControl* target, Word key, TShiftState shift)
{
    TWeakRef<TWinControl> ref(target);
    const LPARAM keyData = ShiftStateToKeyData(shift);
    if (target->Perform(CN_KEYUP, key, keyData) != 0 || !ref) return;
    target->Perform(IsSystemKey(shift) ? WM_SYSKEYUP : WM_KEYUP, key, keyData);
}

bool DeliverKeyMessage(TWinControl* target, const TMessage& message)
{
    const auto key = static_cast<Word>(message.WParam);
    const TShiftState shift = KeyDataToShiftState(message.LParam);
    switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        // The loop turns a key that was not taken on the way into the character it types.
        const char32_t ch = CharOfKey(key, shift);
        DeliverKeyDown(target, key, shift, ch ? std::u32string(1, ch) : std::u32string());
        return true;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: DeliverKeyUp(target, key, shift); return true;
    case WM_CHAR:
    case WM_SYSCHAR: DeliverChars(target, shift, std::u32string(1, static_cast<char32_t>(message.WParam))); return true;
    default: return false;
    }
}

static void Stroke(TWinControl* target, Word key, TShiftState shift, char32_t ch)
{
    if (!target) target = FocusedControl();
    if (!target) return;
    TWeakRef<TWinControl> ref(target);
    DeliverKeyDown(target, key, shift, ch ? std::u32string(1, ch) : std::u32string());
    if (ref) DeliverKeyUp(target, key, shift);
}

void PressKey(Word key, TShiftState shift, TWinControl* target) { Stroke(target, key, shift, CharOfKey(key, shift)); }

void StrokesOfText(const std::string& text, const std::function<void(Word key, TShiftState shift, char32_t ch)>& stroke)
{
    for (char32_t ch : utf8::Decode(text)) {
        TShiftState shift;
        const Word key = KeyOfChar(ch, shift);
        stroke(key, shift, ch);
    }
}

void TypeText(const std::string& text, TWinControl* target)
{
    StrokesOfText(text, [target](Word key, TShiftState shift, char32_t ch) { Stroke(target, key, shift, ch); });
}

static void Button(TControl* control, UINT msg, TMouseButton button, TShiftState shift, int x, int y)
{
    const UINT base = button == mbLeft ? WM_LBUTTONDOWN : button == mbRight ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
    control->Perform(base + (msg - WM_LBUTTONDOWN), ShiftStateToMouseKeys(shift), MAKELPARAM(x, y));
}

void ClickAt(TControl* control, int x, int y, TMouseButton button, TShiftState shift)
{
    TWeakRef<TControl> ref(control);
    const TShiftStateFlag held = button == mbLeft ? ssLeft : button == mbRight ? ssRight : ssMiddle;
    Button(control, WM_LBUTTONDOWN, button, shift + held, x, y);
    if (ref) Button(control, WM_LBUTTONUP, button, shift, x, y);
}

void DoubleClickAt(TControl* control, int x, int y)
{
    TWeakRef<TControl> ref(control);
    ClickAt(control, x, y);
    if (ref) Button(control, WM_LBUTTONDBLCLK, mbLeft, {ssLeft}, x, y);
    if (ref) Button(control, WM_LBUTTONUP, mbLeft, {}, x, y);
}
