#pragma once
// Platform-private: drag data between our data objects and Qt's MIME data. Included only by
// platform .cpp files.
#include <QMimeData>

#include "platform/ui/DragDrop.h"

// Our data object as MIME data; each format is fetched from the object when it is asked for.
class TDataObjectMime : public QMimeData {
public:
    explicit TDataObjectMime(IDataObject& data);
    QStringList formats() const override;
    bool hasFormat(const QString& mimeType) const override;

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    std::string Fetch(TClipFormat format) const;
    IDataObject& data_;
    std::vector<TClipFormat> offered_;
};

// MIME data as a data object that reads the formats out of it: text as CF_TEXT and
// CF_UNICODETEXT, local files as CF_HDROP, other URLs as "UniformResourceLocator" with
// their text, "text/rtf" as "Rich Text Format" and each private type as its format.
class TMimeDataObject : public IDataObject {
public:
    explicit TMimeDataObject(const QMimeData& mime);
    HRESULT GetData(const TFormatEtc& format, TStgMedium& medium) override;
    HRESULT GetDataHere(const TFormatEtc& format, TStgMedium& medium) override;
    HRESULT QueryGetData(const TFormatEtc& format) override;
    HRESULT GetCanonicalFormatEtc(const TFormatEtc& format, TFormatEtc& canonical) override;
    HRESULT SetData(const TFormatEtc& format, const TStgMedium& medium) override;
    HRESULT EnumFormatEtc(DWORD direction, std::shared_ptr<IEnumFORMATETC>& enumerator) override;

private:
    std::string Bytes(TClipFormat format) const;
    const QMimeData& mime_;
    std::vector<TFormatEtc> formats_;
};

Qt::DropActions QtDropActionsOf(DWORD effects);
DWORD EffectsOf(Qt::DropActions actions);
DWORD EffectOf(Qt::DropAction action);
DWORD KeyStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
