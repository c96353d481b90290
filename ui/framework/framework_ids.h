#pragma once
// Messages and command IDs the framework itself defines.

// Sent by the modal loop to the dialog each time the message queue empties.
#define WM_KICKIDLE 0x036A

// The framework's Help command.
#define ID_HELP 0xE146
