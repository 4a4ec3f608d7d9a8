#include "platform/ui/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include <memory>

#include "platform/QtRuntime.h"
#include "platform/rtl/CodePage.h"
#include "platform/ui/QtMime.h"

namespace {

const QString kHtmlMime = QStringLiteral("text/html");

TClipFormat HtmlFormat() { return RegisterClipboardFormat("HTML Format"); }

// The formats kept in memory until the desktop takes them.
class TFormatStore : public IDataObject {
public:
    explicit TFormatStore(const std::map<TClipFormat, std::string>& formats) : formats_(formats) {}
    HRESULT GetData(const TFormatEtc& format, TStgMedium& medium) override
    {
        const auto it = formats_.find(format.cfFormat);
        if (it == formats_.end()) return DV_E_FORMATETC;
        medium.tymed = TYMED_HGLOBAL;
        medium.hGlobal = std::make_shared<const std::string>(it->second);
        return S_OK;
    }
    HRESULT GetDataHere(const TFormatEtc&, TStgMedium&) override { return DV_E_FORMATETC; }
    HRESULT QueryGetData(const TFormatEtc& format) override
    {
        return formats_.count(format.cfFormat) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT GetCanonicalFormatEtc(const TFormatEtc&, TFormatEtc&) override { return E_NOTIMPL; }
    HRESULT SetData(const TFormatEtc&, const TStgMedium&) override { return E_NOTIMPL; }
    HRESULT EnumFormatEtc(DWORD direction, std::shared_ptr<IEnumFORMATETC>& enumerator) override
    {
        if (direction != DATADIR_GET) return E_NOTIMPL;
        std::vector<TFormatEtc> list;
        for (const auto& entry : formats_) {
            TFormatEtc e;
            e.cfFormat = entry.first;
            list.push_back(e);
        }
        enumerator = std::make_shared<TFormatEtcEnumerator>(std::move(list));
        return S_OK;
    }

private:
    const std::map<TClipFormat, std::string>& formats_;
};

// The document that the clipboard header of "HTML Format" points at with StartHTML and
// EndHTML; empty when the header is missing or points outside the bytes.
std::string HtmlOfClipboardHeader(const std::string& bytes)
{
    const auto offset = [&bytes](const std::string& key) -> long {
        const size_t at = bytes.find(key + ":");
        if (at == std::string::npos) return -1;
        size_t i = at + key.size() + 1;
        long value = 0;
        bool any = false;
        for (; i < bytes.size() && bytes[i] >= '0' && bytes[i] <= '9' && value < 100000000; ++i, any = true)
            value = value * 10 + (bytes[i] - '0');
        return any ? value : -1;
    };
    const long start = offset("StartHTML"), end = offset("EndHTML");
    if (start < 0 || end < start || static_cast<size_t>(end) > bytes.size()) return {};
    return Win1252ToUtf8(bytes.substr(static_cast<size_t>(start), static_cast<size_t>(end - start)));
}

// The formats as the desktop keeps them: each MIME type with its bytes, taken at once, since
// the store does not outlive the call.
QMimeData* MimeDataOf(const std::map<TClipFormat, std::string>& formats, const std::string& html)
{
    TFormatStore store(formats);
    TDataObjectMime view(store);
    auto* mime = new QMimeData;
    for (const QString& type : view.formats())
        mime->setData(type, view.data(type));
    const auto cfHtml = formats.find(HtmlFormat());
    const std::string document = cfHtml != formats.end() ? HtmlOfClipboardHeader(cfHtml->second) : html;
    if (!document.empty()) mime->setData(kHtmlMime, QByteArray::fromStdString(document));
    return mime;
}

QClipboard* DesktopClipboard()
{
    EnsureQtApplication();
    return QGuiApplication::clipboard();
}

} // namespace

TClipboard::TClipboard() = default;
TClipboard::~TClipboard() = default;

TClipboard* Clipboard()
{
    static TClipboard* const clipboard = [] {
        auto* c = new TClipboard; // lives as long as the Qt application
        QObject::connect(DesktopClipboard(), &QClipboard::dataChanged, [c] { c->Changed(); });
        return c;
    }();
    return clipboard;
}

void TClipboard::Open() { ++openCount_; }

void TClipboard::Close()
{
    if (openCount_ == 0) return;
    if (--openCount_ > 0) return;
    if (adding_) Commit();
}

void TClipboard::Clear()
{
    adding_ = false;
    StartWriting();
    FinishWriting();
}

void TClipboard::StartWriting()
{
    if (adding_) return;
    pending_.clear();
    pendingHtml_.clear();
    adding_ = true;
}

void TClipboard::FinishWriting()
{
    if (openCount_ == 0) Commit();
}

void TClipboard::Commit()
{
    QMimeData* mime = MimeDataOf(pending_, pendingHtml_);
    pending_.clear();
    pendingHtml_.clear();
    adding_ = false;
    DesktopClipboard()->setMimeData(mime);
}

void TClipboard::Changed()
{
    // A handler may stop watching, its own watch or another's: walk a copy, skip the gone.
    for (const auto& watch : std::map<int, TNotifyEvent>(watchers_))
        if (watchers_.count(watch.first)) GuardedCall([&] { watch.second(this); });
}

int TClipboard::Watch(TNotifyEvent handler)
{
    watchers_[nextWatch_] = std::move(handler);
    return nextWatch_++;
}

void TClipboard::Unwatch(int id) { watchers_.erase(id); }

// What is being put between Open and Close is read back as it stands; otherwise the
// desktop's clipboard is read.
template <class F> auto TClipboard::Read(F read) const
{
    if (!adding_) {
        const QMimeData* mime = DesktopClipboard()->mimeData();
        return mime ? read(*mime) : read(QMimeData());
    }
    std::unique_ptr<QMimeData> own(MimeDataOf(pending_, pendingHtml_));
    return read(*own);
}

bool TClipboard::HasFormat(TClipFormat format) const
{
    return Read([format](const QMimeData& mime) {
        TMimeDataObject data(mime);
        TFormatEtc e;
        e.cfFormat = format;
        return data.QueryGetData(e) == S_OK;
    });
}

std::vector<TClipFormat> TClipboard::Formats() const
{
    return Read([](const QMimeData& mime) {
        TMimeDataObject data(mime);
        std::vector<TClipFormat> list;
        std::shared_ptr<IEnumFORMATETC> formats;
        if (data.EnumFormatEtc(DATADIR_GET, formats) != S_OK) return list;
        TFormatEtc e;
        uint32_t fetched = 0;
        while (formats->Next(1, &e, &fetched) == S_OK && fetched == 1)
            list.push_back(e.cfFormat);
        return list;
    });
}

std::string TClipboard::GetBuffer(TClipFormat format) const
{
    return Read([format](const QMimeData& mime) {
        TMimeDataObject data(mime);
        TFormatEtc e;
        e.cfFormat = format;
        TStgMedium medium;
        if (data.GetData(e, medium) != S_OK || !medium.hGlobal) return std::string();
        return *medium.hGlobal;
    });
}

void TClipboard::SetBuffer(TClipFormat format, const std::string& bytes)
{
    StartWriting();
    pending_[format] = bytes;
    FinishWriting();
}

std::string TClipboard::AsText() const
{
    return Read(
        [](const QMimeData& mime) { return mime.hasText() ? mime.text().toStdString() : std::string(); });
}

void TClipboard::SetAsText(const std::string& text)
{
    SetBuffer(CF_UNICODETEXT, Utf8ToUtf16Le(text) + std::string(2, '\0'));
}

std::string TClipboard::AsHtml() const
{
    return Read([](const QMimeData& mime) { return mime.data(kHtmlMime).toStdString(); });
}

void TClipboard::SetAsHtml(const std::string& html)
{
    StartWriting();
    pendingHtml_ = html;
    FinishWriting();
}
