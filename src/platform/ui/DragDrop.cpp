#include "platform/ui/DragDrop.h"

#include <QCoreApplication>
#include <QDrag>
#include <QDropEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#include <map>

#include "platform/rtl/SysUtils.h"
#include "platform/ui/QtControls.h"
#include "platform/ui/QtMime.h"

namespace {
struct TFormatRegistry {
    std::map<std::string, TClipFormat> ids; // by upper-cased name
    std::map<TClipFormat, std::string> names;
};

TFormatRegistry& Formats()
{
    static TFormatRegistry registry;
    return registry;
}

Qt::DropAction QtDropActionOf(DWORD effect)
{
    if (effect & DROPEFFECT_MOVE) return Qt::MoveAction;
    if (effect & DROPEFFECT_COPY) return Qt::CopyAction;
    if (effect & DROPEFFECT_LINK) return Qt::LinkAction;
    return Qt::IgnoreAction;
}

// Hands the drag events of a window to its registered target.
class TDropTargetFilter : public QObject {
public:
    TDropTargetFilter(QWidget* widget, std::shared_ptr<IDropTarget> target)
        : QObject(widget), widget_(widget), target_(std::move(target))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != widget_) return false;
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            Deliver(static_cast<QDropEvent*>(event));
            return true;
        case QEvent::DragLeave:
            GuardedCall([this] { target_->DragLeave(); });
            return true;
        default:
            return false;
        }
    }

private:
    void Deliver(QDropEvent* event)
    {
        const QPoint global = widget_->mapToGlobal(event->position().toPoint());
        const TPoint pt{global.x(), global.y()};
        const DWORD keyState = KeyStateOf(event->buttons(), event->modifiers());
        DWORD effect = EffectsOf(event->possibleActions());
        // A target that fails takes nothing.
        const DWORD offered = effect;
        effect = DROPEFFECT_NONE;
        GuardedCall([&] {
            DWORD granted = offered;
            if (event->type() == QEvent::DragMove) {
                target_->DragOver(keyState, pt, granted);
            } else {
                TMimeDataObject data(*event->mimeData());
                if (event->type() == QEvent::DragEnter)
                    target_->DragEnter(&data, keyState, pt, granted);
                else
                    target_->Drop(&data, keyState, pt, granted);
            }
            effect = granted;
        });
        event->setDropAction(QtDropActionOf(effect));
        // An entry is always taken, so that the moves that follow may still grant an effect.
        if (effect != DROPEFFECT_NONE || event->type() == QEvent::DragEnter)
            event->accept();
        else
            event->ignore();
    }

    QWidget* widget_;
    std::shared_ptr<IDropTarget> target_;
};

TDropTargetFilter* FilterOf(QWidget* widget)
{
    // The filter has no meta-object of its own, so findChild would take any child object
    // (a scroll bar, a timer) for it.
    for (QObject* child : widget->children())
        if (auto* filter = dynamic_cast<TDropTargetFilter*>(child)) return filter;
    return nullptr;
}

// The desktop's drag: Qt runs the loop; the source is asked on every turn whether to go on
// and told each change of the effect.
HRESULT DesktopDragLoop(IDataObject& data, IDropSource& source, DWORD okEffects, DWORD& effect)
{
    EnsureQtApplication();
    QObject anchor;
    auto* drag = new QDrag(&anchor);
    drag->setMimeData(new TDataObjectMime(data));
    HRESULT ended = S_OK;
    const auto ask = [&](Qt::MouseButtons buttons) {
        if (ended != S_OK) return;
        // A source that fails ends the drag.
        ended = DRAGDROP_S_CANCEL;
        GuardedCall([&] {
            ended =
                source.QueryContinueDrag(false, KeyStateOf(buttons, QGuiApplication::keyboardModifiers()));
        });
        if (ended == DRAGDROP_S_CANCEL) QDrag::cancel();
    };
    QObject::connect(drag, &QDrag::actionChanged,
                     [&source](Qt::DropAction a) { GuardedCall([&] { source.GiveFeedback(EffectOf(a)); }); });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] { ask(QGuiApplication::mouseButtons()); });
    poll.start(30);
    const Qt::DropAction action = drag->exec(QtDropActionsOf(okEffects), QtDropActionOf(okEffects));
    poll.stop();
    ask(Qt::NoButton);
    if (ended == S_OK) ended = DRAGDROP_S_DROP;
    effect = ended == DRAGDROP_S_DROP ? EffectOf(action) : DROPEFFECT_NONE;
    return ended;
}

TDragLoop& CurrentDragLoop()
{
    static TDragLoop loop;
    return loop;
}
} // namespace

TClipFormat RegisterClipboardFormat(const std::string& name)
{
    TFormatRegistry& r = Formats();
    const std::string key = UpperCase(name);
    const auto it = r.ids.find(key);
    if (it != r.ids.end()) return it->second;
    const auto id = static_cast<TClipFormat>(0xC000 + r.ids.size());
    r.ids.emplace(key, id);
    r.names.emplace(id, name);
    return id;
}

std::string ClipboardFormatName(TClipFormat format)
{
    const TFormatRegistry& r = Formats();
    const auto it = r.names.find(format);
    return it == r.names.end() ? std::string() : it->second;
}

HRESULT TFormatEtcEnumerator::Next(uint32_t count, TFormatEtc* entries, uint32_t* fetched)
{
    uint32_t n = 0;
    while (n < count && position_ < formats_.size())
        entries[n++] = formats_[position_++];
    if (fetched) *fetched = n;
    return n == count ? S_OK : S_FALSE;
}

HRESULT TFormatEtcEnumerator::Skip(uint32_t count)
{
    const bool passesEnd = position_ + count > formats_.size();
    position_ = passesEnd ? formats_.size() : position_ + count;
    return passesEnd ? S_FALSE : S_OK;
}

HRESULT TFormatEtcEnumerator::Reset()
{
    position_ = 0;
    return S_OK;
}

HRESULT TFormatEtcEnumerator::Clone(std::shared_ptr<IEnumFORMATETC>& clone)
{
    clone = std::make_shared<TFormatEtcEnumerator>(formats_, position_);
    return S_OK;
}

HRESULT RegisterDragDrop(TWinControl* window, std::shared_ptr<IDropTarget> target)
{
    if (!window || !target) return E_INVALIDARG;
    QWidget* widget = window->Impl().Widget();
    if (FilterOf(widget)) return DRAGDROP_E_ALREADYREGISTERED;
    widget->installEventFilter(new TDropTargetFilter(widget, std::move(target)));
    widget->setAcceptDrops(true);
    return S_OK;
}

HRESULT RevokeDragDrop(TWinControl* window)
{
    if (!window) return E_INVALIDARG;
    QWidget* widget = window->Impl().Widget();
    TDropTargetFilter* filter = FilterOf(widget);
    if (!filter) return DRAGDROP_E_NOTREGISTERED;
    delete filter;
    widget->setAcceptDrops(false);
    return S_OK;
}

HRESULT DoDragDrop(std::shared_ptr<IDataObject> data, std::shared_ptr<IDropSource> source, DWORD okEffects,
                   DWORD& effect)
{
    effect = DROPEFFECT_NONE;
    if (!data || !source) return E_INVALIDARG;
    const TDragLoop& loop = CurrentDragLoop();
    return loop ? loop(*data, *source, okEffects, effect)
                : DesktopDragLoop(*data, *source, okEffects, effect);
}

TDragLoop SetDragLoop(TDragLoop loop)
{
    TDragLoop previous = std::move(CurrentDragLoop());
    CurrentDragLoop() = std::move(loop);
    return previous;
}

DWORD SendDragStep(TWinControl* window, TDragStep step, IDataObject& data, TPoint screenPoint, DWORD keyState,
                   DWORD okEffects)
{
    QWidget* widget = window->Impl().Widget();
    if (step == dsLeave) {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(widget, &leave);
        return DROPEFFECT_NONE;
    }
    TDataObjectMime mime(data);
    const QPointF local = widget->mapFromGlobal(QPointF(screenPoint.X, screenPoint.Y));
    Qt::MouseButtons buttons;
    if (keyState & MK_LBUTTON) buttons |= Qt::LeftButton;
    if (keyState & MK_RBUTTON) buttons |= Qt::RightButton;
    Qt::KeyboardModifiers modifiers;
    if (keyState & MK_CONTROL) modifiers |= Qt::ControlModifier;
    if (keyState & MK_SHIFT) modifiers |= Qt::ShiftModifier;
    if (keyState & MK_ALT) modifiers |= Qt::AltModifier;
    const Qt::DropActions actions = QtDropActionsOf(okEffects);
    const auto send = [&](QDropEvent&& event) {
        event.ignore();
        QCoreApplication::sendEvent(widget, &event);
        return event.isAccepted() ? EffectOf(event.dropAction()) : DROPEFFECT_NONE;
    };
    switch (step) {
    case dsEnter:
        return send(QDragEnterEvent(local.toPoint(), actions, &mime, buttons, modifiers));
    case dsOver:
        return send(QDragMoveEvent(local.toPoint(), actions, &mime, buttons, modifiers));
    default:
        return send(QDropEvent(local, actions, &mime, buttons, modifiers));
    }
}
