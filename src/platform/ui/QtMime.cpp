#include "platform/ui/QtMime.h"

#include <QUrl>

#include <algorithm>

#include "platform/rtl/CodePage.h"

namespace {
const QString kTextMime = QStringLiteral("text/plain");
const QString kRtfMime = QStringLiteral("text/rtf");
const QString kPrivatePrefix = QStringLiteral("application/x-qt-windows-mime;value=\"");
const char* const kRtfName = "Rich Text Format";
const char* const kUrlName = "UniformResourceLocator";

// The private MIME type of a registered format: the name Qt gives the format on Windows.
QString PrivateMime(const std::string& name) { return kPrivatePrefix + QString::fromStdString(name) + "\""; }

QString MimeOf(TClipFormat format)
{
    if (format == CF_TEXT || format == CF_UNICODETEXT) return kTextMime;
    const std::string name = ClipboardFormatName(format);
    if (name.empty()) return {};
    if (format == RegisterClipboardFormat(kRtfName)) return kRtfMime;
    return PrivateMime(name);
}

std::string WithoutTerminator(std::string bytes, size_t unit)
{
    for (size_t i = 0; i + unit <= bytes.size(); i += unit)
        if (std::all_of(bytes.begin() + i, bytes.begin() + i + unit, [](char c) { return c == '\0'; }))
            return bytes.substr(0, i);
    return bytes;
}

void AppendUInt32(std::string& out, uint32_t v)
{
    for (int k = 0; k < 4; ++k)
        out += static_cast<char>((v >> (8 * k)) & 0xFF);
}

// The desktop's dropped-file structure with wide names.
std::string DropFiles(const QList<QUrl>& files)
{
    std::string out;
    AppendUInt32(out, 20); // offset of the names
    AppendUInt32(out, 0);  // drop point
    AppendUInt32(out, 0);
    AppendUInt32(out, 0); // not in the non-client area
    AppendUInt32(out, 1); // wide names
    for (const QUrl& url : files)
        out += Utf8ToUtf16Le(url.toLocalFile().toStdString()) + std::string(2, '\0');
    return out + std::string(2, '\0');
}
} // namespace

TDataObjectMime::TDataObjectMime(IDataObject& data) : data_(data)
{
    std::shared_ptr<IEnumFORMATETC> formats;
    if (data_.EnumFormatEtc(DATADIR_GET, formats) != S_OK || !formats) return;
    TFormatEtc entry;
    uint32_t fetched = 0;
    // Only what can really be fetched travels: the desktop cannot ask the source later.
    while (formats->Next(1, &entry, &fetched) == S_OK && fetched == 1)
        if (data_.QueryGetData(entry) == S_OK && !MimeOf(entry.cfFormat).isEmpty())
            offered_.push_back(entry.cfFormat);
}

QStringList TDataObjectMime::formats() const
{
    QStringList list;
    for (TClipFormat format : offered_)
        if (!list.contains(MimeOf(format))) list << MimeOf(format);
    return list;
}

bool TDataObjectMime::hasFormat(const QString& mimeType) const { return formats().contains(mimeType); }

std::string TDataObjectMime::Fetch(TClipFormat format) const
{
    TFormatEtc entry;
    entry.cfFormat = format;
    TStgMedium medium;
    if (data_.GetData(entry, medium) != S_OK || !medium.hGlobal) return {};
    return *medium.hGlobal;
}

QVariant TDataObjectMime::retrieveData(const QString& mimeType, QMetaType) const
{
    const auto offers = [this](TClipFormat f) {
        return std::find(offered_.begin(), offered_.end(), f) != offered_.end();
    };
    if (mimeType == kTextMime) {
        if (offers(CF_UNICODETEXT))
            return QString::fromStdString(Utf16LeToUtf8(WithoutTerminator(Fetch(CF_UNICODETEXT), 2)));
        if (offers(CF_TEXT))
            return QString::fromStdString(Win1252ToUtf8(WithoutTerminator(Fetch(CF_TEXT), 1)));
        return {};
    }
    for (TClipFormat format : offered_) {
        if (MimeOf(format) != mimeType) continue;
        std::string bytes = Fetch(format);
        if (mimeType == kRtfMime) bytes = WithoutTerminator(bytes, 1);
        return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    return {};
}

TMimeDataObject::TMimeDataObject(const QMimeData& mime) : mime_(mime)
{
    const auto add = [this](TClipFormat f) {
        TFormatEtc entry;
        entry.cfFormat = f;
        formats_.push_back(entry);
    };
    bool files = false, links = false;
    for (const QUrl& url : mime.urls())
        (url.isLocalFile() ? files : links) = true;
    if (mime.hasText() || links) {
        add(CF_TEXT);
        add(CF_UNICODETEXT);
    }
    if (files) add(CF_HDROP);
    if (links) add(RegisterClipboardFormat(kUrlName));
    if (mime.hasFormat(kRtfMime)) add(RegisterClipboardFormat(kRtfName));
    for (const QString& type : mime.formats()) {
        if (!type.startsWith(kPrivatePrefix) || !type.endsWith('"')) continue;
        const std::string name = type.mid(kPrivatePrefix.size()).chopped(1).toStdString();
        const TClipFormat format = RegisterClipboardFormat(name);
        if (std::none_of(formats_.begin(), formats_.end(),
                         [&](const TFormatEtc& e) { return e.cfFormat == format; }))
            add(format);
    }
}

std::string TMimeDataObject::Bytes(TClipFormat format) const
{
    QString text = mime_.text();
    if (!mime_.hasText())
        for (const QUrl& url : mime_.urls())
            if (!url.isLocalFile()) {
                text = url.toString();
                break;
            }
    if (format == CF_UNICODETEXT) return Utf8ToUtf16Le(text.toStdString()) + std::string(2, '\0');
    if (format == CF_TEXT) return Utf8ToWin1252(text.toStdString()) + '\0';
    if (format == CF_HDROP) {
        QList<QUrl> files;
        for (const QUrl& url : mime_.urls())
            if (url.isLocalFile()) files << url;
        return DropFiles(files);
    }
    if (format == RegisterClipboardFormat(kUrlName)) return {};
    const std::string name = ClipboardFormatName(format);
    const QByteArray bytes = format == RegisterClipboardFormat(kRtfName) && mime_.hasFormat(kRtfMime)
                                 ? mime_.data(kRtfMime) + QByteArray(1, '\0')
                                 : mime_.data(PrivateMime(name));
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

HRESULT TMimeDataObject::QueryGetData(const TFormatEtc& format)
{
    if (format.dwAspect != DVASPECT_CONTENT || !(format.tymed & TYMED_HGLOBAL)) return DV_E_FORMATETC;
    for (const TFormatEtc& e : formats_)
        if (e.cfFormat == format.cfFormat) return S_OK;
    return DV_E_FORMATETC;
}

HRESULT TMimeDataObject::GetData(const TFormatEtc& format, TStgMedium& medium)
{
    medium = {};
    const HRESULT query = QueryGetData(format);
    if (query != S_OK) return query;
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = std::make_shared<const std::string>(Bytes(format.cfFormat));
    return S_OK;
}

HRESULT TMimeDataObject::GetDataHere(const TFormatEtc&, TStgMedium&) { return DV_E_FORMATETC; }

HRESULT TMimeDataObject::GetCanonicalFormatEtc(const TFormatEtc&, TFormatEtc& canonical)
{
    canonical.ptd = nullptr;
    return E_NOTIMPL;
}

HRESULT TMimeDataObject::SetData(const TFormatEtc&, const TStgMedium&) { return E_NOTIMPL; }

HRESULT TMimeDataObject::EnumFormatEtc(DWORD direction, std::shared_ptr<IEnumFORMATETC>& enumerator)
{
    if (direction != DATADIR_GET) return E_NOTIMPL;
    enumerator = std::make_shared<TFormatEtcEnumerator>(formats_);
    return S_OK;
}

Qt::DropActions QtDropActionsOf(DWORD effects)
{
    Qt::DropActions actions;
    if (effects & DROPEFFECT_COPY) actions |= Qt::CopyAction;
    if (effects & DROPEFFECT_MOVE) actions |= Qt::MoveAction;
    if (effects & DROPEFFECT_LINK) actions |= Qt::LinkAction;
    return actions;
}

DWORD EffectsOf(Qt::DropActions actions)
{
    DWORD effects = DROPEFFECT_NONE;
    if (actions & Qt::CopyAction) effects |= DROPEFFECT_COPY;
    if (actions & Qt::MoveAction) effects |= DROPEFFECT_MOVE;
    if (actions & Qt::LinkAction) effects |= DROPEFFECT_LINK;
    return effects;
}

DWORD EffectOf(Qt::DropAction action) { return EffectsOf(Qt::DropActions(action)); }

DWORD KeyStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    DWORD state = 0;
    if (buttons & Qt::LeftButton) state |= MK_LBUTTON;
    if (buttons & Qt::RightButton) state |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton) state |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier) state |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier) state |= MK_CONTROL;
    if (modifiers & Qt::AltModifier) state |= MK_ALT;
    return state;
}
