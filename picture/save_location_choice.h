#pragma once

#include <QWidget>

#include "save_location.h"
#include "user_dialogs.h"

namespace pelorine {

// The caption before any folder is chosen.
QString UnsetLocationCaption();

// Asks for the folder to save the tiles into and shows it in the window's
// caption. Cancel keeps the location and caption as they were.
void ChooseSaveLocation(UserDialogs& dialogs, SaveLocation& location,
                        QWidget& window);

}  // namespace pelorine
