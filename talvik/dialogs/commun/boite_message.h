// Message boxes and the warning beep of the maker and of the library's
// dialogs: the designed captions, the icon of each kind of message, and
// one place that tests can take over (no modal box ever blocks a test).
#pragma once

#include <QtGlobal>
#include <functional>
#include <string>

#include "base/message.h"

class QWidget;

namespace talvik {

// Captions of the message boxes (string ids 61218, 61238, 61243, 61236).
inline constexpr char kTitreAttention[] = QT_TRANSLATE_NOOP("Messages", "Warning");
inline constexpr char kTitreErreur[] = QT_TRANSLATE_NOOP("Messages", "Error");
inline constexpr char kTitreQuestion[] = QT_TRANSLATE_NOOP("Messages", "Question");
inline constexpr char kTitreInformation[] = QT_TRANSLATE_NOOP("Messages", "Information");

// The caption that goes with an icon: Attention "Warning", Erreur "Error",
// Question "Question", Information "Information".
const char* TitreMessage(IconeMessage icone);

// The buttons of a box and the answers, with the values of their Windows
// namesakes.
enum class BoutonsMessage { Ok, OkAnnuler, OuiNon, OuiNonAnnuler };
enum ReponseMessage : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// Shows a modal box with the text, caption, icon (error, exclamation,
// question or information) and buttons; returns the button pressed
// (IDCANCEL when the box is closed otherwise, IDNO for a Yes/No box).
// Must be called on the GUI thread. An empty caption takes the icon's; a
// null parent means the active window.
int BoiteMessage(QWidget* parent, const std::string& texte, const std::string& titre,
                 IconeMessage icone, BoutonsMessage boutons = BoutonsMessage::Ok);

// Shows boxes in place of BoiteMessage (tests record what would be shown
// and answer for the user). Returns the previous replacement; an empty
// function restores the real boxes.
using HookBoiteMessage = std::function<int(const std::string& texte, const std::string& titre,
                                           IconeMessage icone, BoutonsMessage boutons)>;
HookBoiteMessage InstalleHookBoiteMessage(HookBoiteMessage hook);

// Routes the library's messages (AfficheMessage of base/message.h) to
// BoiteMessage, owned by the active window. A message sent from another
// thread waits until the GUI thread has shown it. A Question box has the
// buttons Yes and No and gives 1 for Yes.
void InstalleMessagesQt();

// The warning beep of a command that cannot run (QApplication::beep()).
void Bip();

// Replaces the beep (tests count beeps); returns the previous one.
using HookBip = std::function<void()>;
HookBip InstalleHookBip(HookBip hook);

}  // namespace talvik
