#pragma once
// The handlers that make the window usable between searches and during them: hints, the mode
// switch, the folder browse, stop, and the result list's click and right press.

namespace vantrel::ui {

class MainWindow;

void OnTextBoxPressed(MainWindow& window);
void OnHexBoxPressed(MainWindow& window);
void OnTextModeClicked(MainWindow& window);
void OnHexModeClicked(MainWindow& window);
void OnSubfoldersClicked(MainWindow& window);
void OnBrowseClicked(MainWindow& window);
void OnStopClicked(MainWindow& window);
void OnResultClicked(MainWindow& window);
void OnResultRightPressed(MainWindow& window);

}  // namespace vantrel::ui
