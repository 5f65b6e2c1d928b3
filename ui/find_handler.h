#pragma once
// The find button: the folder box gives the folder, then the engine runs the whole search.

namespace vantrel::ui {

class MainWindow;

void OnFindClicked(MainWindow& window);

}  // namespace vantrel::ui
