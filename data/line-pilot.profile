# A BattleMech pilot of a line lance: gunnery and piloting first, a sidearm and a cooling vest.
Profile,Line Pilot
Race,Human,6
Race,Clan Drakkenfold,2
Priority,Attributes,3
Priority,Skills,3
Priority,Advantages,1
Priority,BattleMech,4
Attribute,BLD,2
Attribute,REF,4
Attribute,INT,2
Attribute,LRN,2
Attribute,CHA,1
Training,None,1
Training,Speciality,5
Training,Package,1
Training,Clan,4
Speciality,MechWarrior,10
Speciality,*,1
Package,Militia Recruit,2
Package,Officer Candidate School,3
Skill,Gunnery/BattleMech,10
Skill,Piloting/BattleMech,10
Skill,Tech/BattleMech,4
Skill,Tactics,4
Skill,Sensor Operations,3
Skill,Small Arms,2
Skill,*,1
Advantage,Combat Sense,3
Advantage,Extra Edge,2
Advantage,Ambidextrous,2
Advantage,Natural Aptitude,3
Advantage,*,1
Gear,Pistols,6
Gear,Armour,4
Gear,Field Gear,3
Gear,Medical,2
Gear,*,1
Rank,MechWarrior,6
Rank,Sergeant,3
Rank,Lieutenant,2
Rank,Captain,1
Transfer,40
