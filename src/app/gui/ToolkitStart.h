#pragma once
// Starting the toolkit on a display. The display is probed first (the toolkit
// would abort without one, with a message about plugins), and the probe's own
// connection is let go only once the toolkit holds its own: an X server with
// no other client resets itself when its last client leaves, and turns away
// a toolkit that connects during the reset.

#include <QApplication>
#include <memory>

namespace quorvale {

// The application, or nothing when there is no display to open windows on
// (the reason is then printed on stderr). `argc` must outlive the result.
std::unique_ptr<QApplication> startToolkit(int& argc, char** argv);

}  // namespace quorvale
