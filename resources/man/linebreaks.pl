# Lets groff break the lines of a Chinese manual page between two characters, as Chinese text
# breaks, never before closing punctuation, and join source lines without a blank after Chinese:
# groff itself breaks only at blanks and puts a blank between source lines.
# Requests and the name line stay as written, for the tools that read them.
use strict;
use warnings;
use utf8;
use open qw(:std :encoding(UTF-8));

my $chinese = qr/[\x{3000}-\x{303F}\x{3400}-\x{9FFF}\x{FF00}-\x{FFEF}“”]/;
my $closing = qr/[，。；：、）”！？]/;
my @lines = <STDIN>;
my $section = '';
for my $i (0 .. $#lines) {
    my $line = $lines[$i];
    $section = $1 if $line =~ /^\.SH\s+"?([^"\n]*)/;
    if ($line !~ /^[.']/ && $section ne '名称') {
        $line =~ s/([\x{3400}-\x{9FFF}]|$closing)(?!$closing)/$1\\:/g;
        my $next = $lines[$i + 1] // '';
        my $joins = $line =~ /$chinese(\\:)?\n\z/ && $next =~ /^$chinese/
            || $line =~ /$closing(\\:)?\n\z/ && $next =~ /^[^.'\n]/;
        $line =~ s/\n\z/\\c\n/ if $joins;
    }
    print $line;
}
