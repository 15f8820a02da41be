#pragma once
// Fixture: a header of the nls library's own.
int Table();
