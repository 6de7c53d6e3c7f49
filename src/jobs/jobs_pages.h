// The pages of the jobs domain and their registration with the page controller.
#pragma once

class tpage_controller_generic;

// Registers the job search (page 11), the job-line views (pages 12, 13) and the job order view
// (page 14) with their form classes.
void register_jobs_pages(tpage_controller_generic& acontroller);
