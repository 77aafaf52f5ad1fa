#!/usr/bin/perl
# Prints what Perl's XBase::Index reads from a compound index: first the tag
# names, then for each TAG:TYPE argument every entry in walking order as
# "TAG<tab>key<tab>record". Character keys (type C) are printed in hex as
# the reader returns them; numeric and date keys (type N) as numbers.
use strict;
use warnings;
use XBase::Index;

my ($file, @specs) = @ARGV;
die "usage: $0 FILE.cdx TAG:TYPE ...\n" unless defined $file;

my $top = XBase::Index->new($file, 'type' => 'C')
    or die "cannot open $file: " . XBase::Index->errstr;
print "TAGS\t", join(',', sort $top->tags), "\n";

for my $spec (@specs) {
    my ($tag, $type) = split /:/, $spec;
    my $index = XBase::Index->new($file, 'tag' => $tag, 'type' => $type)
        or die "cannot open tag $tag: " . XBase::Index->errstr;
    $index->prepare_select;
    while (my ($key, $recno) = $index->fetch) {
        if ($type eq 'N') {
            printf "%s\t%.17g\t%d\n", $tag, $key, $recno;
        } else {
            printf "%s\t%s\t%d\n", $tag, unpack('H*', $key), $recno;
        }
    }
}
