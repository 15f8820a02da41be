#pragma once
// Fixture: the header includes nothing of ours, its .cpp calls up.
int Table();
