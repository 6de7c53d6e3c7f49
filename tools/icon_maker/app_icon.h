// The program's own icon for the desktop menu: a ledger page on a blue tile with a customer in
// front, drawn at any size into any paint device (PNG images, and an SVG file).
#pragma once

#include <QPaintDevice>
#include <QString>

// Draws the icon filling a square of asize pixels at the top-left of the device.
void paint_app_icon(QPaintDevice& adevice, int asize);

// Writes FOLDER/<size>/NAME.png for 48, 128 and 256 pixels and FOLDER/NAME.svg when the tool was
// built with the SVG module. Returns false (with a message on standard error) on a failed write.
bool write_app_icons(const QString& afolder, const QString& aname);
