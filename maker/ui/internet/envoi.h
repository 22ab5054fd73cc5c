// The two ways of sending the last generated screen saver, as the
// generation dialog offers them. Both run on the GUI thread, show their
// questions and messages there, and never change the project.
#pragma once

#include <QString>

class QWidget;

namespace lumaveil {

struct CContexte;

// "Send by email": the confirmation, the optional gzip copy "<saver>.gz"
// (MailCompression), then the mail client's compose window through
// xdg-email with the saver attached. `cheminEcranDeVeille` is the saver
// the last generation wrote ("" when a screen changed since: message
// 61255); `titreDocument` gives the name in the subject. 1 when the mail
// client was started.
int CommandeEnvoiMail(QWidget* parent, CContexte& contexte, const QString& cheminEcranDeVeille,
                      const QString& titreDocument);

// "Send to Internet": the Internet dialog with the stored settings and the
// proposed names (name + ".scr", name + ".html"), the confirmation, the
// settings stored (kept at exit), then the upload of the saver and of its
// download page on a worker thread behind the progress window; the
// messages of what failed follow. 1 when every file asked for reached the
// server.
int CommandeEnvoiInternet(QWidget* parent, CContexte& contexte, const QString& cheminEcranDeVeille,
                          const QString& titreDocument);

}  // namespace lumaveil
