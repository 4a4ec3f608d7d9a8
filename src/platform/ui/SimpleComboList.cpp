#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QListView>
#include <QProxyStyle>
#include <QStyleOptionComboBox>

#include "platform/ui/CustomComboBox.h"
#include "platform/ui/QtControls.h"
#include "platform/ui/QtSimpleComboList.h"

namespace {

QComboBox* Combo(const TControl* control) { return static_cast<QComboBox*>(control->Impl().widget); }

// The edit of a simple combo box is as tall as a drop-down box's, and the list takes the
// rest of the control.
int EditHeight(const QFontMetrics& metrics, int controlHeight)
{
    return std::min(controlHeight, metrics.height() + 8);
}

// Draws the box as an edit along its top, with no drop-down button: the box's own
// geometry (where the edit goes, where a click opens the list) follows from it.
class TSimpleComboStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override
    {
        if (control != CC_ComboBox) return QProxyStyle::subControlRect(control, option, part, widget);
        const QRect edit(0, 0, option->rect.width(), EditHeight(option->fontMetrics, option->rect.height()));
        const int frame = pixelMetric(PM_DefaultFrameWidth, option, widget);
        switch (part) {
        case SC_ComboBoxFrame:
            return edit;
        case SC_ComboBoxEditField:
            return edit.adjusted(frame, frame, -frame, -frame);
        default:
            return {};
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        if (control != CC_ComboBox) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        QStyleOptionFrame frame;
        frame.QStyleOption::operator=(*option);
        frame.rect = subControlRect(control, option, SC_ComboBoxFrame, widget);
        frame.lineWidth = pixelMetric(PM_DefaultFrameWidth, option, widget);
        frame.midLineWidth = 0;
        frame.state |= State_Sunken;
        drawPrimitive(PE_PanelLineEdit, &frame, painter, widget);
    }
};

QStyle* SimpleComboStyle()
{
    static QStyle* style = [] {
        auto* s = new TSimpleComboStyle;
        s->setParent(qApp);
        return s;
    }();
    return style;
}

// Keeps the list under the edit when the box changes size.
class TResizeWatch : public QObject {
public:
    explicit TResizeWatch(TSimpleComboList* list) : list_(list) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange) list_->Layout();
        return QObject::eventFilter(watched, event);
    }

private:
    TSimpleComboList* list_;
};

} // namespace

TSimpleComboList::TSimpleComboList(TCustomComboBox* combo)
    : combo_(combo), list_(new QListView(Combo(combo))), watch_(std::make_unique<TResizeWatch>(this))
{
    QComboBox* w = Combo(combo);
    w->setStyle(SimpleComboStyle());
    list_->setModel(w->model());
    list_->setModelColumn(w->modelColumn());
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    QObject::connect(w, &QComboBox::currentIndexChanged, list_, [this] { ShowCurrent(); });
    // A click in the list picks the item as a pick from an opened list does.
    QObject::connect(list_, &QAbstractItemView::clicked, w,
                     [this](const QModelIndex& index) { Pick(index.row()); });
    w->installEventFilter(watch_.get());
    Layout();
    FollowColor();
    ShowCurrent();
    list_->show();
}

TSimpleComboList::~TSimpleComboList()
{
    if (QComboBox* w = Combo(combo_)) {
        w->removeEventFilter(watch_.get());
        w->setStyle(nullptr);
        delete list_;
    }
}

void TSimpleComboList::Layout()
{
    QComboBox* w = Combo(combo_);
    const int edit = EditHeight(w->fontMetrics(), w->height());
    list_->setGeometry(0, edit, w->width(), std::max(0, w->height() - edit));
}

void TSimpleComboList::ShowCurrent()
{
    const int row = Combo(combo_)->currentIndex();
    const QModelIndex index = list_->model()->index(std::max(row, 0), list_->modelColumn());
    if (row < 0) {
        list_->clearSelection();
        return;
    }
    list_->setCurrentIndex(index);
    list_->scrollTo(index);
}

void TSimpleComboList::FollowColor() { list_->setPalette(Combo(combo_)->palette()); }

bool TSimpleComboList::PickAt(int x, int y)
{
    const QPoint inList = list_->viewport()->mapFrom(Combo(combo_), QPoint(x, y));
    if (!list_->viewport()->rect().contains(inList)) return false;
    const QModelIndex index = list_->indexAt(inList);
    if (!index.isValid()) return false;
    Pick(index.row());
    return true;
}

void TSimpleComboList::Pick(int row)
{
    QComboBox* w = Combo(combo_);
    if (row == w->currentIndex()) return;
    w->setCurrentIndex(row);
    emit w->activated(row);
}
