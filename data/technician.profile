# A field technician: keeps the machines walking, carries tools rather than rifles.
Profile,Technician
Race,Human,9
Race,Clan Drakkenfold,1
Priority,Attributes,3
Priority,Skills,5
Priority,Advantages,1
Priority,BattleMech,0
Attribute,BLD,2
Attribute,REF,2
Attribute,INT,3
Attribute,LRN,5
Attribute,CHA,1
Training,None,1
Training,Speciality,5
Training,Package,3
Training,Clan,1
Speciality,Field Technician,12
Speciality,*,1
Package,Dockyard Labourer,4
Package,Freight Hauler Crew,3
Package,*,1
Skill,Tech,9
Skill,Electronics,7
Skill,Engineering,6
Skill,Mechanics,6
Skill,Computers,5
Skill,Hull Repair,4
Skill,Reactor Safety,4
Skill,Scrounging,3
Skill,*,1
Advantage,Well-Equipped,4
Advantage,Natural Aptitude,3
Advantage,Contact,2
Advantage,*,1
Gear,Tools,10
Gear,Communications,4
Gear,Field Gear,3
Gear,Pistols,1
Gear,*,1
Rank,Technician,6
Rank,Senior Technician,3
Rank,Chief Technician,1
Transfer,50
