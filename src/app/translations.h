#pragma once

class QCoreApplication;

// Speaks the user's language (QLocale::system(), which follows LANGUAGE, LC_ALL, LC_MESSAGES
// and LANG): the program's own texts from its resources, and Qt's for its standard buttons.
// English is the source, and stays where no translation is found.
void installTranslations(QCoreApplication& application);
