#pragma once

namespace qp {

// Makes every class that the program's form descriptions name known to the form reader.
void RegisterQuietpaneClasses();

// Start-up up to the message loop: the application's window hidden, the application titled,
// the main form (with its notification-area icon) and the about box created.
void StartQuietpane();
// Runs the message loop until a quit message, then frees the forms; answers the exit code.
int RunQuietpaneLoop();
// The whole program.
int RunQuietpane();

}  // namespace qp
