Problem:    
Rows:       57
Columns:    43 (33 integer, 33 binary)
Non-zeros:  182
Status:     INTEGER OPTIMAL
Objective:  obj = 160 (MINimum)

   No.   Row name        Activity     Lower bound   Upper bound
------ ------------    ------------- ------------- -------------
     1 sum_lengths                 0             0             = 
     2 facility_service(1)
                                   1             1             = 
     3 facility_service(2)
                                   1             1             = 
     4 facility_service(3)
                                   1             1             = 
     5 route_count                 3                           3 
     6 vehicle_depart_depot(1)
                                   1             1             = 
     7 vehicle_flow_conservation(1,1)
                                   0             0             = 
     8 vehicle_flow_conservation(2,1)
                                   0             0             = 
     9 vehicle_flow_conservation(3,1)
                                   0             0             = 
    10 vehicle_return_depot(1)
                                   1             1             = 
    11 vehicle_depart_depot(2)
                                   1             1             = 
    12 vehicle_flow_conservation(1,2)
                                   0             0             = 
    13 vehicle_flow_conservation(2,2)
                                   0             0             = 
    14 vehicle_flow_conservation(3,2)
                                   0             0             = 
    15 vehicle_return_depot(2)
                                   1             1             = 
    16 vehicle_depart_depot(3)
                                   1             1             = 
    17 vehicle_flow_conservation(1,3)
                                   0             0             = 
    18 vehicle_flow_conservation(2,3)
                                   0             0             = 
    19 vehicle_flow_conservation(3,3)
                                   0             0             = 
    20 vehicle_return_depot(3)
                                   1             1             = 
    21 lineload_increment(2,1,1)
                                  50                          60 
    22 lineload_increment(2,1,2)
                                  10                          60 
    23 lineload_increment(2,1,3)
                                  10                          60 
    24 lineload_increment(1,2,1)
                                  50                          50 
    25 lineload_increment(1,2,2)
                                 -10                          50 
    26 lineload_increment(1,2,3)
                                 -10                          50 
    27 lineload_lower_bound(1,1)
                                  40            40               
    28 lineload_lower_bound(1,2)
                                  40            40               
    29 lineload_lower_bound(1,3)
                                  40            40               
    30 lineload_lower_bound(2,1)
                                  90            50               
    31 lineload_lower_bound(2,2)
                                  50            50               
    32 lineload_lower_bound(2,3)
                                  50            50               
    33 backload_lower_bound(3,1)
                                  20            20               
    34 backload_lower_bound(3,2)
                                  20            20               
    35 backload_lower_bound(3,3)
                                  20            20               
    36 lineload_upper_bound(1,1)
                                  40                         100 
    37 lineload_upper_bound(1,2)
                                  40                         100 
    38 lineload_upper_bound(1,3)
                                  40                         100 
    39 lineload_upper_bound(2,1)
                                  90                         100 
    40 lineload_upper_bound(2,2)
                                  50                         100 
    41 lineload_upper_bound(2,3)
                                  50                         100 
    42 backload_upper_bound(3,1)
                                  20                         100 
    43 backload_upper_bound(3,2)
                                  20                         100 
    44 backload_upper_bound(3,3)
                                  20                         100 
    45 required_route(1)
                                   0             0             = 
    46 symmetry_break_outarcs(2,1)
                                   1             1             = 
    47 r.114                       0             0             = 
    48 r.115                       0             0             = 
    49 r.116                       0             0             = 
    50 r.117                       0             0             = 
    51 r.118                       0             0             = 
    52 r.119                       0             0             = 
    53 symmetry_break_inarcs(2,1)
                                   1             1             = 
    54 r.123                       0             0             = 
    55 r.124                       0             0             = 
    56 r.125                       0             0             = 
    57 r.126                       0             0             = 

   No. Column name       Activity     Lower bound   Upper bound
------ ------------    ------------- ------------- -------------
     1 total_length              160             0               
     2 x(0,1,1)     *              1             0             1 
     3 x(0,1,2)     *              0             0             1 
     4 x(0,1,3)     *              0             0             1 
     5 x(0,2,1)     *              0             0             1 
     6 x(0,2,2)     *              0             0             1 
     7 x(0,2,3)     *              0             0             1 
     8 x(0,3,1)     *              0             0             1 
     9 x(0,3,2)     *              0             0             1 
    10 x(0,3,3)     *              0             0             1 
    11 x(1,2,1)     *              1             0             1 
    12 x(1,2,2)     *              0             0             1 
    13 x(1,2,3)     *              0             0             1 
    14 x(1,3,1)     *              0             0             1 
    15 x(1,3,2)     *              0             0             1 
    16 x(1,3,3)     *              0             0             1 
    17 x(1,4,1)     *              0             0             1 
    18 x(1,4,2)     *              0             0             1 
    19 x(1,4,3)     *              0             0             1 
    20 x(2,1,1)     *              0             0             1 
    21 x(2,1,2)     *              0             0             1 
    22 x(2,1,3)     *              0             0             1 
    23 x(2,3,1)     *              1             0             1 
    24 x(2,3,2)     *              0             0             1 
    25 x(2,3,3)     *              0             0             1 
    26 x(2,4,1)     *              0             0             1 
    27 x(2,4,2)     *              0             0             1 
    28 x(2,4,3)     *              0             0             1 
    29 x(3,4,1)     *              1             0             1 
    30 x(3,4,2)     *              0             0             1 
    31 x(3,4,3)     *              0             0             1 
    32 x(0,4,1)     *              0             0             1 
    33 x(0,4,2)     *              1             0             1 
    34 x(0,4,3)     *              1             0             1 
    35 ql(2,1)                    90             0               
    36 ql(1,1)                    40             0               
    37 ql(2,2)                    50             0               
    38 ql(1,2)                    40             0               
    39 ql(2,3)                    50             0               
    40 ql(1,3)                    40             0               
    41 qb(3,1)                    20             0               
    42 qb(3,2)                    20             0               
    43 qb(3,3)                    20             0               

Integer feasibility conditions:

KKT.PE: max.abs.err = 0.00e+00 on row 0
        max.rel.err = 0.00e+00 on row 0
        High quality

KKT.PB: max.abs.err = 0.00e+00 on row 0
        max.rel.err = 0.00e+00 on row 0
        High quality

End of output
