#include <QCoreApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "platform/ui/Dialogs.h"
#include "platform/ui/QtControls.h"

namespace {

struct TButtonPair {
    TMsgDlgBtn ours;
    QMessageBox::StandardButton qt;
};

constexpr TButtonPair Buttons[] = {
    {mbYes, QMessageBox::Yes},           {mbNo, QMessageBox::No},          {mbOK, QMessageBox::Ok},
    {mbCancel, QMessageBox::Cancel},     {mbAbort, QMessageBox::Abort},    {mbRetry, QMessageBox::Retry},
    {mbIgnore, QMessageBox::Ignore},     {mbNoToAll, QMessageBox::NoToAll},
    {mbYesToAll, QMessageBox::YesToAll}, {mbHelp, QMessageBox::Help},      {mbClose, QMessageBox::Close},
};

QMessageBox::Icon IconOf(TMsgDlgType type)
{
    switch (type) {
    case mtWarning: return QMessageBox::Warning;
    case mtError: return QMessageBox::Critical;
    case mtInformation: return QMessageBox::Information;
    case mtConfirmation: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
    }
}

// "Description|*.a;*.b|..." as Qt's name filters "Description (*.a *.b)".
QStringList NameFilters(const std::string& filter)
{
    const QStringList parts = QString::fromStdString(filter).split(u'|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString patterns = QString(parts[i + 1]).replace(u';', u' ');
        if (description.endsWith(u')') && description.contains(u'('))
            description = description.left(description.lastIndexOf(u'(')).trimmed();
        filters << description + QStringLiteral(" (") + patterns + u')';
    }
    return filters;
}

QWidget* ActiveWindow()
{
    TCustomForm* form = Screen->ActiveForm();
    return form ? form->Impl().Widget() : nullptr;
}

class TQtDialogService : public TDialogService {
public:
    int MessageBox(const TMessageBoxRequest& request) override
    {
        EnsureQtApplication();
        QMessageBox box(IconOf(request.Type), QString::fromStdString(request.Caption),
                        QString::fromStdString(request.Text), QMessageBox::NoButton, ActiveWindow());
        std::vector<std::pair<QAbstractButton*, TMsgDlgBtn>> added;
        for (const TButtonPair& b : Buttons)
            if (request.Buttons.Contains(b.ours)) added.emplace_back(box.addButton(b.qt), b.ours);
        if (request.Buttons.Contains(mbAll))
            added.emplace_back(box.addButton(QStringLiteral("All"), QMessageBox::AcceptRole), mbAll);
        for (const auto& [button, ours] : added)
            if (ours == DefaultButtonOf(request.Buttons)) box.setDefaultButton(static_cast<QPushButton*>(button));
        box.exec();
        for (const auto& [button, ours] : added)
            if (button == box.clickedButton()) return ModalResultOf(ours);
        return request.Buttons.Contains(mbCancel) ? mrCancel : mrNone;
    }

    std::optional<std::string> FileDialog(const TFileDialogRequest& request) override
    {
        EnsureQtApplication();
        QFileDialog dialog(ActiveWindow(), QString::fromStdString(request.Title),
                           QString::fromStdString(request.InitialDir));
        dialog.setAcceptMode(request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(request.Save || !request.Options.Contains(ofFileMustExist) ? QFileDialog::AnyFile
                                                                                     : QFileDialog::ExistingFile);
        if (request.Save && !request.Options.Contains(ofOverwritePrompt))
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        const QStringList filters = NameFilters(request.Filter);
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            dialog.selectNameFilter(filters.value(std::max(0, request.FilterIndex - 1)));
        }
        if (!request.DefaultExt.empty()) dialog.setDefaultSuffix(QString::fromStdString(request.DefaultExt));
        if (!request.FileName.empty()) dialog.selectFile(QString::fromStdString(request.FileName));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return dialog.selectedFiles().front().toStdString();
    }

    void RunModal(TCustomForm& form) override
    {
        TWeakRef<TCustomForm> ref(&form);
        while (ref && !form.ModalFinished()) {
            QEventLoop loop;
            form.SetModalWake([&loop] { loop.exit(); });
            loop.exec();
            if (ref) form.SetModalWake(nullptr);
        }
    }
};

}  // namespace

TDialogService& RealDialogService()
{
    static TQtDialogService service;
    return service;
}
