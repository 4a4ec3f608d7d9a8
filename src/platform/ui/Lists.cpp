#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "platform/rtl/SysUtils.h"
#include "platform/ui/QtControls.h"
#include "platform/ui/StdCtrls.h"

// Where the items live: the control's Qt widget. Changes made through the item list never
// count as the user's selection.
struct TItemBackend {
    virtual ~TItemBackend() = default;
    virtual int Count() const = 0;
    virtual QString Get(int index) const = 0;
    virtual void Insert(int index, const QString& s) = 0;
    virtual void Set(int index, const QString& s) = 0;
    virtual void Remove(int index) = 0;
    virtual void Clear() = 0;
};

namespace {

class TComboItems : public TItemBackend {
public:
    explicit TComboItems(QComboBox* w) : w_(w) {}
    int Count() const override { return w_->count(); }
    QString Get(int index) const override { return w_->itemText(index); }
    void Insert(int index, const QString& s) override
    {
        // Adding items leaves the selection and the edit text as they were.
        QSignalBlocker block(w_);
        const int before = w_->currentIndex();
        const QString text = w_->currentText();
        w_->insertItem(index, s);
        if (before < 0) w_->setCurrentIndex(-1);
        if (w_->isEditable()) w_->setEditText(text);
    }
    void Set(int index, const QString& s) override
    {
        QSignalBlocker block(w_);
        w_->setItemText(index, s);
    }
    void Remove(int index) override
    {
        QSignalBlocker block(w_);
        w_->removeItem(index);
    }
    void Clear() override
    {
        QSignalBlocker block(w_);
        w_->clear();
    }

private:
    QComboBox* w_;
};

class TListItems : public TItemBackend {
public:
    explicit TListItems(QListWidget* w) : w_(w) {}
    int Count() const override { return w_->count(); }
    QString Get(int index) const override { return w_->item(index)->text(); }
    void Insert(int index, const QString& s) override
    {
        QSignalBlocker block(w_);
        w_->insertItem(index, s);
    }
    void Set(int index, const QString& s) override
    {
        QSignalBlocker block(w_);
        w_->item(index)->setText(s);
    }
    void Remove(int index) override
    {
        QSignalBlocker block(w_);
        delete w_->takeItem(index);
    }
    void Clear() override
    {
        QSignalBlocker block(w_);
        w_->clear();
    }

private:
    QListWidget* w_;
};

QComboBox* Combo(const TControl* control) { return static_cast<QComboBox*>(control->Impl().widget); }
QListWidget* List(const TControl* control) { return static_cast<QListWidget*>(control->Impl().widget); }

}  // namespace

TItemStrings::TItemStrings(std::unique_ptr<TItemBackend> backend) : backend_(std::move(backend)) {}

TItemStrings::~TItemStrings() = default;

int TItemStrings::Count() const { return backend_->Count(); }

static void CheckIndex(int index, int count)
{
    if (index < 0 || index >= count) throw EListError(Format("List index out of bounds (%d)", {index}));
}

std::string TItemStrings::Strings(int index) const
{
    CheckIndex(index, Count());
    return backend_->Get(index).toStdString();
}

void TItemStrings::Put(int index, const std::string& s)
{
    if (sorted_) throw EListError("Operation not allowed on sorted list");
    CheckIndex(index, Count());
    backend_->Set(index, QString::fromStdString(s));
}

int TItemStrings::Add(const std::string& s)
{
    int index = Count();
    if (sorted_) {
        index = 0;
        while (index < Count() && AnsiCompareText(Strings(index), s) <= 0) ++index;
    }
    backend_->Insert(index, QString::fromStdString(s));
    return index;
}

void TItemStrings::Insert(int index, const std::string& s)
{
    if (sorted_) throw EListError("Operation not allowed on sorted list");
    if (index < 0 || index > Count()) throw EListError(Format("List index out of bounds (%d)", {index}));
    backend_->Insert(index, QString::fromStdString(s));
}

void TItemStrings::Delete(int index)
{
    CheckIndex(index, Count());
    backend_->Remove(index);
}

void TItemStrings::Clear() { backend_->Clear(); }

int TItemStrings::IndexOf(const std::string& s) const
{
    for (int i = 0; i < Count(); ++i)
        if (AnsiCompareText(Strings(i), s) == 0) return i;
    return -1;
}

void TItemStrings::Assign(const TStringList& list)
{
    Clear();
    AddStrings(list);
}

void TItemStrings::AddStrings(const TStringList& list)
{
    for (const std::string& s : list.Items()) Add(s);
}

std::string TItemStrings::Text() const
{
    TStringList list;
    for (int i = 0; i < Count(); ++i) list.Add(Strings(i));
    return list.Text();
}

void TItemStrings::SetText(const std::string& text)
{
    TStringList list;
    list.SetText(text);
    Assign(list);
}

void TItemStrings::SetSorted(bool sorted)
{
    if (sorted == sorted_) return;
    sorted_ = sorted;
    if (!sorted) return;
    TStringList list;
    for (int i = 0; i < Count(); ++i) list.Add(Strings(i));
    Assign(list);
}

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner)
{
    EnsureQtApplication();
    auto* w = new TBridge<QComboBox>(this);
    w->setFocusPolicy(Qt::StrongFocus);
    w->setMaxVisibleItems(8);
    Impl().Attach(w, w);
    Impl().windowDefault = [this](TMessage& m) {
        return NativeKeyDefault(Impl(), m, DLGC_WANTCHARS | DLGC_WANTARROWS);
    };
    items_ = std::make_unique<TItemStrings>(std::make_unique<TComboItems>(w));
    QObject::connect(w, &QComboBox::activated, w, [this] {
        GuardedCall([this] {
            Click();
            Select();
        });
    });
    SetControlStyle({csSetCaption, csDoubleClicks});
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 145, 21);
    SetStyle(csDropDown);
}

TComboBox::~TComboBox() = default;

void TComboBox::SetStyle(TComboBoxStyle style)
{
    style_ = style;
    QComboBox* w = Combo(this);
    const bool editable = style == csDropDown || style == csSimple;
    if (w->isEditable() == editable && (w->lineEdit() || !editable)) return;
    w->setEditable(editable);
    if (!editable) return;
    w->setInsertPolicy(QComboBox::NoInsert);
    w->setCompleter(nullptr);
    QObject::connect(w->lineEdit(), &QLineEdit::textEdited, w, [this] { GuardedCall([this] { Change(); }); });
}

int TComboBox::ItemIndex() const { return Combo(this)->currentIndex(); }

void TComboBox::SetItemIndex(int index)
{
    QComboBox* w = Combo(this);
    QSignalBlocker block(w);
    w->setCurrentIndex(index >= 0 && index < w->count() ? index : -1);
    if (index < 0 && w->isEditable()) w->setEditText(QString());
}

std::string TComboBox::Text() const { return Combo(this)->currentText().toStdString(); }

void TComboBox::SetText(const std::string& text)
{
    QComboBox* w = Combo(this);
    if (w->isEditable()) {
        QSignalBlocker block(w);
        w->setEditText(QString::fromStdString(text));
    } else if (const int index = items_->IndexOf(text); index >= 0) {
        SetItemIndex(index);
    }
    TWinControl::SetText(text);
}

int TComboBox::DropDownCount() const { return Combo(this)->maxVisibleItems(); }

void TComboBox::SetDropDownCount(int count) { Combo(this)->setMaxVisibleItems(std::max(1, count)); }

bool TComboBox::DroppedDown() const { return Combo(this)->view()->isVisible(); }

void TComboBox::SetDroppedDown(bool down)
{
    if (down)
        Combo(this)->showPopup();
    else
        Combo(this)->hidePopup();
}

void TComboBox::Change()
{
    if (OnChange && !Quiet()) OnChange(this);
}

void TComboBox::Select()
{
    if (OnSelect) {
        if (!Quiet()) OnSelect(this);
    } else {
        Change();
    }
}

TListBox::TListBox(TComponent* owner) : TWinControl(owner)
{
    EnsureQtApplication();
    auto* w = new TBridge<QListWidget>(this);
    w->setFocusPolicy(Qt::StrongFocus);
    w->setSelectionMode(QAbstractItemView::SingleSelection);
    Impl().Attach(w, w);
    Impl().windowDefault = [this](TMessage& m) {
        return NativeKeyDefault(Impl(), m, DLGC_WANTCHARS | DLGC_WANTARROWS);
    };
    items_ = std::make_unique<TItemStrings>(std::make_unique<TListItems>(w));
    // A mouse press moves Qt's current row before it selects, a key selects before it moves
    // the current row: only the selection is settled in both, so the click follows it.
    QObject::connect(w, &QListWidget::itemSelectionChanged, w, [this] {
        if (!settingIndex_) GuardedCall([this] { Click(); });
    });
    QObject::connect(w, &QListWidget::itemDoubleClicked, w, [this] { GuardedCall([this] { DblClick(); }); });
    SetControlStyle({csSetCaption, csDoubleClicks});
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 97);
}

TListBox::~TListBox() = default;

int TListBox::ItemIndex() const
{
    const QList<QListWidgetItem*> selected = List(this)->selectedItems();
    return selected.isEmpty() ? -1 : List(this)->row(selected.first());
}

TRect TListBox::ItemRect(int index) const
{
    const QListWidget* w = List(this);
    const QListWidgetItem* item = w->item(index);
    if (!item) return TRect();
    const QRect r = w->visualItemRect(item);
    return Rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}

void TListBox::SetItemIndex(int index)
{
    QListWidget* w = List(this);
    settingIndex_ = true;
    if (index >= 0 && index < w->count()) {
        w->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    } else {
        w->clearSelection();
        w->setCurrentRow(-1);
    }
    settingIndex_ = false;
}

int TListBox::TopIndex() const
{
    const QListWidget* w = List(this);
    const QListWidgetItem* top = w->itemAt(0, 0);
    return top ? w->row(top) : 0;
}

void TListBox::SetTopIndex(int index)
{
    QListWidget* w = List(this);
    if (QListWidgetItem* item = w->item(index)) w->scrollToItem(item, QAbstractItemView::PositionAtTop);
}

TCheckListBox::TCheckListBox(TComponent* owner) : TListBox(owner)
{
    QListWidget* w = List(this);
    // Every item gets its box as it comes in, however the item list added it.
    QObject::connect(w->model(), &QAbstractItemModel::rowsInserted, w, [this, w](const QModelIndex&, int first, int last) {
        settingCheck_ = true;
        for (int row = first; row <= last; ++row) {
            QListWidgetItem* item = w->item(row);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
        settingCheck_ = false;
    });
    QObject::connect(w, &QListWidget::itemChanged, w, [this](QListWidgetItem*) {
        if (!settingCheck_ && OnClickCheck) GuardedCall([this] { OnClickCheck(this); });
    });
}

bool TCheckListBox::Checked(int index) const
{
    const QListWidgetItem* item = List(this)->item(index);
    return item && item->checkState() == Qt::Checked;
}

void TCheckListBox::SetChecked(int index, bool checked)
{
    QListWidgetItem* item = List(this)->item(index);
    if (!item) return;
    settingCheck_ = true;
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    settingCheck_ = false;
}
