#pragma once

class QWidget;

// Keeps a top-level window above all other windows (on), or lets it drop back (off).
void SetAlwaysOnTop(QWidget* window, bool on);
