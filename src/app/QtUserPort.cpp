#include "app/QtUserPort.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <utility>

#include "app/FilterList.h"
#include "text/Error.h"

namespace tarn::app {

namespace {

void ShowBox(QMessageBox::Icon icon, const QString& title, const std::string& text) {
  QMessageBox box(icon, title, QString::fromStdString(text), QMessageBox::Ok);
  box.exec();
}

QString Folder(const std::string& folder) { return QFile::decodeName(folder.c_str()); }

// Gives `dialog` the request's filters, which it returns.
QStringList Prepare(QFileDialog& dialog, const FileDialogRequest& request) {
  const QStringList filters = QtNameFilters(request.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  return filters;
}

// The dialog's chosen names as the system gives them, nothing when it was cancelled.
std::optional<std::vector<std::string>> ChosenNames(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  std::vector<std::string> names;
  for (const QString& name : dialog.selectedFiles()) {
    names.push_back(QFile::encodeName(name).toStdString());
  }
  return names;
}

}  // namespace

QtUserPort::QtUserPort(QString title) : title_(std::move(title)) {}

QString QtUserPort::DefaultTitle() {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

void QtUserPort::ShowMessage(const std::string& text) {
  ShowBox(QMessageBox::NoIcon, title_, text);
}

void QtUserPort::ReportError(const std::string& message) {
  ShowBox(QMessageBox::Critical, title_, WithFullStop(message));
}

std::optional<DialogChoice> QtUserPort::AskOpenFile(const FileDialogRequest& request) {
  return AskFile(request, false);
}

std::optional<DialogChoice> QtUserPort::AskSaveFile(const FileDialogRequest& request) {
  return AskFile(request, true);
}

std::optional<DialogChoice> QtUserPort::AskFile(const FileDialogRequest& request, bool save) {
  QFileDialog dialog(nullptr, QString(), Folder(request.initial_folder));
  const QStringList filters = Prepare(dialog, request);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  const std::optional<std::vector<std::string>> names = ChosenNames(dialog);
  if (!names) return std::nullopt;
  DialogChoice choice;
  choice.file_name = names->front();
  choice.filter_index = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
  if (choice.filter_index < 1) choice.filter_index = 1;
  return choice;
}

std::optional<std::vector<std::string>> QtUserPort::AskOpenFiles(
    const FileDialogRequest& request) {
  QFileDialog dialog(nullptr, QString(), Folder(request.initial_folder));
  Prepare(dialog, request);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  return ChosenNames(dialog);
}

std::optional<std::string> QtUserPort::AskFolder(const std::string& initial_folder) {
  QFileDialog dialog(nullptr, QString(), Folder(initial_folder));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly, true);
  const std::optional<std::vector<std::string>> names = ChosenNames(dialog);
  if (!names) return std::nullopt;
  return names->front();
}

std::optional<std::string> QtUserPort::ClipboardText() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasText()) return std::nullopt;
  const QString text = data->text();
  if (text.isEmpty()) return std::nullopt;
  return text.toStdString();
}

void QtUserPort::BeginBusy() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void QtUserPort::EndBusy() { QApplication::restoreOverrideCursor(); }

}  // namespace tarn::app
