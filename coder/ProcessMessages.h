#pragma once
// Lets the application handle its pending events between chunks of a long job, so that Stop and
// Cancel reach the running loop.
void ProcessMessages();
