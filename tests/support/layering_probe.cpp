// Built only by the layering tests: linked to the edit library it must not compile, since edit
// links nothing above itself; linked to the layout library it must.
#include "layout/layout_dialog.h"

int main() { return 0; }
