#pragma once

class QCoreApplication;

namespace tarn::app {

// Installs Qt's own simplified Chinese (qtbase_zh_CN.qm from Qt's translations folder) into
// `application`, whatever the user's locale, so that the file dialogs and standard buttons speak
// the same language as the windows. False, with nothing installed, when the file is missing or
// unreadable: Qt then stays in English.
bool InstallQtTranslations(QCoreApplication& application);

}  // namespace tarn::app
