#!/usr/bin/perl
# Prints what Perl's XBase module reads from a table and its compound index:
# one line per record "REC<tab>recno<tab>deleted<tab>field=hex,..." for the
# named fields (character values with trailing blanks removed, logical
# values as T or F), then one line per tag "TAG<tab>name<tab>recno,recno,..."
# in the order XBase::Index walks it.
use strict;
use warnings;
use XBase;
use XBase::Index;

my ($file, $cdx, $fields, @tags) = @ARGV;
die "usage: $0 TABLE.dbf TABLE.cdx F1,F2,... TAG...\n" unless defined $fields;
my @names = split /,/, $fields;

my $table = XBase->new($file) or die "cannot open $file: " . XBase->errstr;
for my $i (0 .. $table->last_record) {
    my %row = $table->get_record_as_hash($i);
    my @out;
    for my $name (@names) {
        my $v = $row{$name};
        if ($table->field_type($name) eq 'L') {
            $v = $v ? 'T' : 'F';
        }
        $v = '' unless defined $v;
        $v =~ s/ +$//;
        push @out, "$name=" . unpack('H*', $v);
    }
    printf "REC\t%d\t%s\t%s\n", $i + 1, ($row{_DELETED} ? 'T' : 'F'), join(',', @out);
}

for my $tag (@tags) {
    my $index = XBase::Index->new($cdx, 'tag' => $tag, 'type' => 'C')
        or die "cannot open tag $tag: " . XBase::Index->errstr;
    $index->prepare_select;
    my @recnos;
    while (my ($key, $recno) = $index->fetch) {
        push @recnos, $recno;
    }
    print "TAG\t$tag\t", join(',', @recnos), "\n";
}
