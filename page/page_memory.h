#pragma once

namespace strumix {

// Every edit that can be undone copies the page into a fresh page-sized buffer and lets the
// oldest undo copy go. Left to its defaults the allocator hands such large buffers back to
// the system as soon as they are freed and maps new ones for the next edit, so each key
// pays for faulting a whole page of memory back in (ten times the copy itself on the
// start-up page). Called once at start-up, before any page exists: page buffers then come
// from, and go back to, memory the program keeps.
void keep_page_buffers();

}  // namespace strumix
