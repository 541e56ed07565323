#pragma once

class CMainFrame;

// The command families of the main window; each adds its commands to the frame's table.
void AddFileCommands(CMainFrame& frame);
void AddWindowCommands(CMainFrame& frame);
void AddProjectCommands(CMainFrame& frame);
void AddDistanceCommands(CMainFrame& frame);
void AddAlgorithmCommands(CMainFrame& frame);
void AddSearchCommands(CMainFrame& frame);
void AddOptionCommands(CMainFrame& frame);
