#include <QLineEdit>

#include "platform/ui/MaskEdit.h"
#include "platform/ui/QtControls.h"

namespace {

QLineEdit* LineEdit(const TControl* control) { return static_cast<QLineEdit*>(control->Impl().widget); }

// Our mask characters and the line edit's; those missing here are literals, which the
// line edit wants escaped when they mean something to it.
char PlatformMaskChar(char c)
{
    switch (c) {
    case '0':
        return '9';
    case '9':
        return '0';
    case 'L':
        return 'A';
    case 'l':
        return 'a';
    case 'A':
        return 'N';
    case 'a':
        return 'n';
    case 'C':
        return 'X';
    case 'c':
        return 'x';
    case '#':
        return '#';
    default:
        return 0;
    }
}

bool IsPlatformMaskChar(char c)
{
    return std::string("AaNnXx90Dd#HhBb><!{}[]\\;").find(c) != std::string::npos;
}

} // namespace

std::string PlatformInputMask(const std::string& editMask)
{
    std::string mask = editMask;
    std::string blank = "_";
    if (const size_t fields = mask.find(';'); fields != std::string::npos) {
        if (const size_t last = mask.find(';', fields + 1);
            last != std::string::npos && last + 1 < mask.size())
            blank = mask.substr(last + 1, 1);
        mask.resize(fields);
    }
    std::string out;
    for (size_t i = 0; i < mask.size(); ++i) {
        const char c = mask[i];
        if (c == '\\' && i + 1 < mask.size()) {
            const char literal = mask[++i];
            if (IsPlatformMaskChar(literal)) out += '\\';
            out += literal;
        } else if (c == '<' && i + 1 < mask.size() && mask[i + 1] == '>') {
            out += '!';
            ++i;
        } else if (c == '>' || c == '<') {
            out += c;
        } else if (c == '!') {
            continue; // trimming of leading blanks: the line edit keeps its own
        } else if (const char m = PlatformMaskChar(c)) {
            out += m;
        } else {
            if (IsPlatformMaskChar(c)) out += '\\';
            out += c;
        }
    }
    return out.empty() ? out : out + ";" + blank;
}

TCustomMaskEdit::TCustomMaskEdit(TComponent* owner) : TCustomEdit(owner) {}

void TCustomMaskEdit::SetEditMask(const std::string& mask)
{
    editMask_ = mask;
    LineEdit(this)->setInputMask(QString::fromStdString(PlatformInputMask(mask)));
}

void TCustomMaskEdit::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    const Qt::Alignment horizontal = alignment == taRightJustify ? Qt::AlignRight
                                     : alignment == taCenter     ? Qt::AlignHCenter
                                                                 : Qt::AlignLeft;
    LineEdit(this)->setAlignment(horizontal | Qt::AlignVCenter);
}

void TCustomMaskEdit::SetEditRect(const TRect& rect)
{
    editRect_ = rect;
    // The line edit keeps its frame; the margins take the rest of the way in.
    const int frame = BorderStyle() == bsNone ? 0 : 2;
    const int left = std::max(0, rect.Left - frame);
    const int right = std::max(0, ClientWidth() - frame - rect.Right);
    LineEdit(this)->setTextMargins(left, 0, right, 0);
}
