// Messages the library shows to the user (load failures, codec errors)
// go through one hook: the GUI installs one that shows a message box,
// command-line programs keep the default, which writes to standard error.
#pragma once

#include <functional>
#include <string>

namespace talvik {

enum class IconeMessage { Erreur, Attention, Information, Question };

// Returns what the user answered: 1 (OK / Yes), 0 (No / Cancel).
using MessageHook =
    std::function<int(const std::string& texte, const std::string& titre, IconeMessage icone)>;

// Installs a hook; an empty function restores the default. Returns the previous one.
MessageHook InstalleMessageHook(MessageHook hook);

// Shows a message through the installed hook.
int AfficheMessage(const std::string& texte, const std::string& titre,
                   IconeMessage icone = IconeMessage::Erreur);

}  // namespace talvik
