#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/ui/DragDrop.h"

// The desktop clipboard, owned by one object that every window shares. Formats are those of
// drag and drop: text (CF_TEXT, CF_UNICODETEXT), rich text ("Rich Text Format" as
// "text/rtf"), "HTML Format" (also offered to other programs as "text/html") and any other
// registered format as a private MIME type of its name carrying the same bytes.
//
// Writing outside Open/Close replaces the whole clipboard; between Open and Close the
// first write empties it and the others add to it, and the desktop sees the result once,
// at the last Close.
class TClipboard : public TPersistent {
public:
    TClipboard();
    ~TClipboard() override;
    TClipboard(const TClipboard&) = delete;
    TClipboard& operator=(const TClipboard&) = delete;

    void Open();
    void Close();
    void Clear();

    bool HasFormat(TClipFormat format) const;
    std::vector<TClipFormat> Formats() const;

    std::string AsText() const;
    void SetAsText(const std::string& text);
    // The HTML that other programs see ("text/html"), without the clipboard header.
    std::string AsHtml() const;
    void SetAsHtml(const std::string& html);
    // The bytes of one format as they were put; empty when the clipboard lacks it.
    std::string GetBuffer(TClipFormat format) const;
    void SetBuffer(TClipFormat format, const std::string& bytes);

    // Calls `handler` whenever the clipboard's content changes, from this program or
    // another, until Unwatch with the returned id.
    int Watch(TNotifyEvent handler);
    void Unwatch(int id);

private:
    friend TClipboard* Clipboard();
    // The first write after Open (or any write outside it) empties the clipboard first.
    void StartWriting();
    void FinishWriting();
    void Commit();
    // Calls `read` with the content as MIME data.
    template <class F> auto Read(F read) const;
    void Changed();

    int openCount_ = 0;
    bool adding_ = false;
    std::map<TClipFormat, std::string> pending_;
    std::string pendingHtml_;
    std::map<int, TNotifyEvent> watchers_;
    int nextWatch_ = 1;
};

// The program's one clipboard object.
TClipboard* Clipboard();
