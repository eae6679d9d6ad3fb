#pragma once

class QWidget;

namespace zarvel {

struct ControlRow;

// Makes the widget for one row of the core's control table, as a child of
// the client area, named, placed, filled and shown or hidden as the row
// says. Picture controls get their catalogue picture at the client's pixel
// ratio.
QWidget *MakeControl(const ControlRow &row, QWidget *client);

} // namespace zarvel
