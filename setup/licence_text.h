// The licence agreement's text, shown read-only in the licence dialog.
#pragma once

extern const char LicenceText[];
