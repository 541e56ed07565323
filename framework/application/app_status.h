#pragma once

// The application status: what the program as a whole is doing.
enum APPSTATUS {
    APPSTATUS_NONE = 0,
    APPSTATUS_IDLE = 1,
    APPSTATUS_INITIALIZING = 2,
    APPSTATUS_ALGORITHM_RUNNING = 3,
    APPSTATUS_ALGORITHM_ABORTING = 4,
    APPSTATUS_IMPORTING = 5,
    APPSTATUS_EXITING = 6,
};
