#pragma once

#include <string>

class CMainFrame;

// The folder file dialogs start in: the open project's folder, else the application's folder in
// the user's home (made when missing).
std::string GetFileDialogFolder(const CMainFrame& frame);

// The command families of the main window; each adds its commands to the frame's table.
void AddFileCommands(CMainFrame& frame);
void AddWindowCommands(CMainFrame& frame);
void AddProjectCommands(CMainFrame& frame);
void AddDistanceCommands(CMainFrame& frame);
void AddAlgorithmCommands(CMainFrame& frame);
void AddSearchCommands(CMainFrame& frame);
void AddOptionCommands(CMainFrame& frame);
