#pragma once

#include <QString>

class QPrinter;

// The print system's answers about a job sent to a printer queue (not to a file). The toolkit
// hands the pages to the queue and never says whether the queue took them, so a refused job
// would pass for a printed one without these.

// Empty when the queue of `printer` takes jobs; else what to tell the user. A queue the print
// system does not know is left to the job itself.
QString queueRefusal(const QPrinter& printer);

// Right after the toolkit finished a job on `printer`, in the same thread: empty when the print
// system took the job; else what to tell the user.
QString jobRefusal(const QPrinter& printer);
