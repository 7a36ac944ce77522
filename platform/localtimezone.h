#pragma once

// With TZ unset, glibc re-reads /etc/localtime for every date conversion; naming the file once
// lets it keep the zone, which makes building thousands of rows much faster.
void pinLocalTimeZone();
