#pragma once

#include <QtGlobal>

namespace strumix {

// Every edit that can be undone copies the page into a fresh page-sized buffer and lets the
// oldest undo copy go. Left to its defaults the allocator hands such large buffers back to
// the system as soon as they are freed and maps new ones for the next edit, so each key
// pays for faulting a whole page of memory back in (ten times the copy itself on the
// start-up page). Called once at start-up, before any page exists: page buffers then come
// from, and go back to, memory the program keeps.
void keep_page_buffers();

// Makes sure memory for one more buffer of `bytes` is mapped in and waiting in the heap. A page
// just opened or grown shares its pixels with its committed picture, and the first edit copies
// them into a buffer of their own: without this, that first copy also faults a whole page of
// fresh memory in (several times the copy itself on the largest page). Called where the page
// takes a new picture or size, it costs little more than touching memory that is ready anyway.
void ready_page_buffer(qsizetype bytes);

}  // namespace strumix
